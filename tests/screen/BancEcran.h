#pragma once
// A bench with a few declared variables, for the screen statements.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/Banc.h"

namespace korvane::test {

class BancEcran : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(B.Declare({"DIM N, L, C AS INTEGER", "DIM S AS STRING", "DIM R AS REAL", "DIM T(3) AS INTEGER",
                         "SUB MaSub", "ETIQ:"}),
              -1);
    ASSERT_EQ(B.It.Etat, kContinue);
  }

  int32_t Adresse(const std::string& nom) const {
    const int i = B.It.ChercheSymbole(nom);
    EXPECT_GT(i, 0) << nom;
    return B.It.TableSymboles[static_cast<std::size_t>(i)].Adresse;
  }
  int32_t& Entier(const std::string& nom) { return B.It.Entiers[static_cast<std::size_t>(Adresse(nom))]; }
  double& Reel(const std::string& nom) { return B.It.Reels[static_cast<std::size_t>(Adresse(nom))]; }
  std::string& Chaine(const std::string& nom) { return B.It.Chaines[static_cast<std::size_t>(Adresse(nom))]; }

  void PlaceCurseur(int x, int y) {
    B.It.CurseurX = x;
    B.It.CurseurY = y;
  }
  std::vector<std::string> Messages() const { return B.Messages.Textes; }
  std::vector<std::string> Appels() const { return B.Ecran.Appels; }

  Banc B;
};

}  // namespace korvane::test
