// .bas programs run through korvane-run: NAME.bas with its expected stdout (NAME.out), stderr
// (NAME.err, none when empty) and exit status (NAME.code, none when 0), found in a folder of
// expectations; NAME.in feeds stdin and NAME.param gives --param. The fixtures of
// tests/programs/ hold their expectations beside them; the examples of exemples/ in tests/exemples/.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/Commande.h"
#include "support/Dossier.h"

namespace korvane::test {
namespace {

namespace fs = std::filesystem;

std::string SansFinDeLigne(std::string texte) {
  while (!texte.empty() && (texte.back() == '\n' || texte.back() == '\r')) texte.pop_back();
  return texte;
}

// Runs every program of `programmes` in an empty folder of its own; returns how many ran.
int VerifieProgrammes(const fs::path& programmes, const fs::path& attendus) {
  int vus = 0;
  for (const auto& entree : fs::directory_iterator(programmes)) {
    const fs::path bas = entree.path();
    if (bas.extension() != ".bas") continue;
    SCOPED_TRACE(bas.filename().string());
    const auto attendu = [&](const char* extension) {
      return (attendus / bas.filename()).replace_extension(extension);
    };
    EXPECT_TRUE(fs::exists(attendu(".out")));
    const std::string parametre =
        fs::exists(attendu(".param")) ? "--param " + Citation(SansFinDeLigne(LitFichier(attendu(".param")))) + " " : "";
    const std::string code = fs::exists(attendu(".code")) ? SansFinDeLigne(LitFichier(attendu(".code"))) : "0";
    const DossierTemporaire dossier;
    const Commande resultat = Lance("cd " + Citation(dossier.Chemin().string()) + " && " + KORVANE_RUN_PATH + " " +
                                        parametre + Citation(bas.string()),
                                    LitFichier(attendu(".in")));
    EXPECT_EQ(resultat.Sortie, LitFichier(attendu(".out")));
    EXPECT_EQ(resultat.Erreurs, LitFichier(attendu(".err")));
    EXPECT_EQ(std::to_string(resultat.Statut), code);
    ++vus;
  }
  return vus;
}

TEST(Programmes, EachFixtureGivesItsExpectedOutput) {
  EXPECT_GE(VerifieProgrammes(KORVANE_PROGRAMS_DIR, KORVANE_PROGRAMS_DIR), 3);
}

TEST(Programmes, EachExampleForLearnersGivesItsExpectedOutput) {
  EXPECT_GE(VerifieProgrammes(KORVANE_EXEMPLES_DIR, KORVANE_EXEMPLES_ATTENDUS_DIR), 10);
}

}  // namespace
}  // namespace korvane::test
