#pragma once
// A bench with a few declared variables, for the screen statements.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "interpreter/CacheLignes.h"
#include "machine/Instruction.h"
#include "screen/InstructionsEcran.h"
#include "support/Banc.h"
#include "support/NomDeCas.h"

namespace korvane::test {

class BancEcran : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(B.Declare({"DIM N, L, C AS INTEGER", "DIM S AS STRING", "DIM R AS REAL", "DIM T(3) AS INTEGER",
                         "SUB MaSub", "ETIQ:"}),
              -1);
    ASSERT_EQ(B.It.Etat, kContinue);
  }

  // Runs the screen statement of word `mot` on its argument exactly as given, without the
  // dispatcher's trimming. The screen statements read only their argument.
  void Applique(std::string_view mot, std::string argument) {
    const auto instructions = InstructionsEcran();
    const auto instruction = std::ranges::find(instructions, mot, &MotInstruction::Mot);
    ASSERT_NE(instruction, instructions.end()) << mot;
    CacheLignes lignes(B.Texte);
    const std::string u;
    int ligne = 0;
    Instruction i{lignes, u, std::move(argument), ligne};
    instruction->Executer(B.It, i);
  }

  void PlaceCurseur(int x, int y) {
    B.It.Ecran.CurseurX = x;
    B.It.Ecran.CurseurY = y;
  }
  std::vector<std::string> Messages() const { return B.Messages.Textes; }
  std::vector<std::string> Appels() const { return B.Ecran.Appels; }

  Banc B;
};

// The name generator of the suites whose cases hold an Argument.
inline constexpr auto NomParArgument = [](const auto& info) { return NomDeCas(info.index, info.param.Argument); };

}  // namespace korvane::test
