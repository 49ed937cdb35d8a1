#pragma once
// A bench for the file statements: each test runs inside its own fresh temporary directory,
// which becomes the current directory until the test ends.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "eval/Fichiers.h"
#include "support/Banc.h"
#include "support/Dossier.h"

namespace korvane::test {

namespace fs = std::filesystem;

class BancFichiers : public ::testing::Test {
 protected:
  void SetUp() override {
    DossierAvant = fs::current_path();
    fs::current_path(Dossier.Chemin());
  }

  void TearDown() override {
    // Some tests leave a channel whose last write fails; the files only need to be closed.
    static_cast<void>(CloseAll(B.It));
    fs::current_path(DossierAvant);
  }

  // Declares the variables; a test then sets values straight in the stores.
  void Declare(std::vector<std::string> lignes) { ASSERT_EQ(B.Declare(std::move(lignes)), -1); }

  Banc B;
  DossierTemporaire Dossier;
  fs::path DossierAvant;
};

}  // namespace korvane::test
