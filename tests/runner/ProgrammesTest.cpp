// The .bas fixtures of tests/programs run through korvane-run: NAME.bas with its expected
// stdout (NAME.out), stderr (NAME.err) and exit status (NAME.code); NAME.in feeds stdin and
// NAME.param gives --param.
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

TEST(Programmes, EachFixtureGivesItsExpectedOutput) {
  int vus = 0;
  for (const auto& entree : fs::directory_iterator(KORVANE_PROGRAMS_DIR)) {
    const fs::path bas = entree.path();
    if (bas.extension() != ".bas") continue;
    SCOPED_TRACE(bas.filename().string());
    const auto voisin = [&](const char* extension) { return fs::path(bas).replace_extension(extension); };
    std::vector<std::string> options;
    if (fs::exists(voisin(".param"))) options = {"--param", SansFinDeLigne(LitFichier(voisin(".param")))};
    const DossierTemporaire dossier;
    const Commande resultat = Lance("cd " + Citation(dossier.Chemin().string()) + " && " + KORVANE_RUN_PATH + " " +
                                        (options.empty() ? "" : "--param " + Citation(options[1]) + " ") +
                                        Citation(bas.string()),
                                    LitFichier(voisin(".in")));
    EXPECT_EQ(resultat.Sortie, LitFichier(voisin(".out")));
    EXPECT_EQ(resultat.Erreurs, LitFichier(voisin(".err")));
    EXPECT_EQ(std::to_string(resultat.Statut), SansFinDeLigne(LitFichier(voisin(".code"))));
    ++vus;
  }
  EXPECT_GE(vus, 3);
}

}  // namespace
}  // namespace korvane::test
