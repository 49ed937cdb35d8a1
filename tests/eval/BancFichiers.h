#pragma once
// A bench for the file statements: each test runs inside its own fresh temporary directory,
// which becomes the current directory and is removed afterwards.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/Banc.h"

namespace korvane::test {

namespace fs = std::filesystem;

class BancFichiers : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    Dossier = fs::temp_directory_path() /
              ("korvane-" + std::to_string(::getpid()) + "-" + info->test_suite_name() + "-" + info->name());
    fs::remove_all(Dossier);
    fs::create_directories(Dossier);
    DossierAvant = fs::current_path();
    fs::current_path(Dossier);
  }

  void TearDown() override {
    B.It.CloseAll();
    fs::current_path(DossierAvant);
    fs::remove_all(Dossier);
  }

  // Declares the variables; a test then sets values straight in the stores.
  void Declare(std::vector<std::string> lignes) { ASSERT_EQ(B.Declare(std::move(lignes)), -1); }

  int32_t Adresse(const std::string& nom) {
    const int i = B.It.ChercheSymbole(nom);
    EXPECT_GT(i, 0) << nom;
    return i > 0 ? B.It.TableSymboles[i].Adresse : 0;
  }
  std::string& Chaine(const std::string& nom) { return B.It.Chaines.at(static_cast<std::size_t>(Adresse(nom))); }

  // One program line through the dispatcher; returns Etat.
  int Execute(const std::string& ligne) {
    int index = 0;
    B.It.ExecLigne(B.Texte, ligne, index);
    return B.It.Etat;
  }

  // The text of the last message box, empty when none was shown.
  std::string DernierMessage() const { return B.Messages.Textes.empty() ? "" : B.Messages.Textes.back(); }

  static std::string Contenu(const fs::path& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    std::ostringstream tout;
    tout << f.rdbuf();
    return tout.str();
  }
  static void Ecrit(const fs::path& chemin, const std::string& octets) {
    std::ofstream(chemin, std::ios::binary) << octets;
  }

  Banc B;
  fs::path Dossier;
  fs::path DossierAvant;
};

}  // namespace korvane::test
