#include "runner/Runner.h"

#include <gtest/gtest.h>



#include "support/Commande.h"
#include "support/Dossier.h"

namespace korvane {
namespace {

using test::Commande;
using test::LanceKorvaneRun;

TEST(LitOptions, AcceptsTheDocumentedForms) {
  const auto options = LitOptions({"--param", "a b", "--decimal-separator", ",", "--printer", "p.txt", "x.bas"});
  ASSERT_TRUE(options);
  EXPECT_EQ(options->Fichier, "x.bas");
  EXPECT_EQ(options->Parametres, "a b");
  EXPECT_EQ(options->SeparateurDecimal, ',');
  EXPECT_EQ(options->Imprimante, "p.txt");
}

TEST(LitOptions, RefusesBadUsage) {
  const std::vector<std::vector<std::string>> mauvais = {
      {}, {"a.bas", "b.bas"}, {"--param"}, {"--decimal-separator", ",,", "a.bas"}, {"--inconnu", "a.bas"}, {"--param", "x"}};
  for (const auto& arguments : mauvais) EXPECT_FALSE(LitOptions(arguments)) << testing::PrintToString(arguments);
}

TEST(DecoupeSource, SplitsLinesAndChoosesTheEncoding) {
  EXPECT_EQ(DecoupeSource("A\r\nB\nC"), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(DecoupeSource("A\r\n\r\nB\r\n"), (std::vector<std::string>{"A", "", "B"}));
  EXPECT_EQ(DecoupeSource(""), std::vector<std::string>{});
  EXPECT_EQ(DecoupeSource("\xEF\xBB\xBFREM été"), std::vector<std::string>{"REM \xE9t\xE9"});  // UTF-8
  EXPECT_EQ(DecoupeSource("REM \xE9t\xE9\r\n"), std::vector<std::string>{"REM \xE9t\xE9"});   // Windows-1252
  EXPECT_EQ(DecoupeSource("\xC2\xBB" "END"), std::vector<std::string>{"\xBB" "END"});          // a breakpoint
}

struct CasSortie {
  std::string source;
  int statut;
  std::string erreurs;
};

TEST(KorvaneRun, ExitStatusAndMessagesFollowHowTheRunEnded) {
  const CasSortie cas[] = {
      {"REM rien\r\n", 0, ""},
      {"", 0, ""},
      {"END\nEND SUB\n", 0, ""},
      {"DIM A AS INTEGER\nDIM A AS REAL\n", 1, "Symbole déjà défini\nArrêt à la ligne 2\n"},
      {"REM\nEND SUB\n", 1, "Pile vide\nArrêt à la ligne 2\n"},
      {"REM\n\xC2\xBB" "END SUB\nEND\n", 1, "Arrêt à la ligne 2\n"},
      {"DIM 2X AS INTEGER", 1, "Caractère non valide (A-Z,a-z)\nArrêt à la ligne 1\n"},
  };
  for (const CasSortie& c : cas) {
    const Commande resultat = LanceKorvaneRun({}, c.source);
    EXPECT_EQ(resultat.Statut, c.statut) << c.source;
    EXPECT_EQ(resultat.Erreurs, c.erreurs) << c.source;
  }
}

TEST(KorvaneRun, BadUsageAndUnreadableFiles) {
  const Commande sansFichier = test::Lance(std::string(KORVANE_RUN_PATH), "");
  EXPECT_EQ(sansFichier.Statut, kSortieUsage);
  EXPECT_NE(sansFichier.Erreurs.find("Usage"), std::string::npos);

  const Commande inconnu = test::Lance(std::string(KORVANE_RUN_PATH) + " --vite x.bas", "");
  EXPECT_EQ(inconnu.Statut, kSortieUsage);

  const Commande absent = test::Lance(std::string(KORVANE_RUN_PATH) + " /nulle/part.bas", "");
  EXPECT_EQ(absent.Statut, kSortieFichier);
  EXPECT_NE(absent.Erreurs.find("/nulle/part.bas"), std::string::npos);

  const Commande repertoire = test::Lance(std::string(KORVANE_RUN_PATH) + " /tmp", "");
  EXPECT_EQ(repertoire.Statut, kSortieFichier);
}

}  // namespace
}  // namespace korvane

namespace korvane {
namespace {

TEST(KorvaneRun, CtrlCStopsARunawayProgramAndClosesItsFiles) {
  const test::DossierTemporaire dossier;
  test::EcritFichier(dossier.Chemin() / "boucle.bas",
                     "DIM I AS INTEGER\r\nOPEN \"O\",1,\"SORTIE.TXT\"\r\nPRINT# 1,\"debut\"\r\nDEBUT:\r\nI = I + 1\r\n"
                     "GOTO DEBUT\r\n");
  const Commande resultat = test::Lance("cd " + test::Citation(dossier.Chemin().string()) + " && { " +
                                            std::string(KORVANE_RUN_PATH) + " boucle.bas & pid=$!; sleep 0.5; "
                                            "kill -INT $pid; wait $pid; }",
                                        "");
  EXPECT_EQ(resultat.Statut, kSortieArret);
  EXPECT_TRUE(resultat.Erreurs == "Arrêt à la ligne 5\n" || resultat.Erreurs == "Arrêt à la ligne 6\n")
      << resultat.Erreurs;
  EXPECT_EQ(test::LitFichier(dossier.Chemin() / "SORTIE.TXT"), "debut\r\n");
}

}  // namespace
}  // namespace korvane
