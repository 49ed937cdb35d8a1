#include "runner/Runner.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sstream>

#include "runner/Signaux.h"
#include "support/Commande.h"
#include "support/Dossier.h"
#include "support/FichiersSource.h"

namespace korvane {
namespace {

using test::Commande;
using test::LanceKorvaneRun;

TEST(LitOptions, AcceptsTheDocumentedForms) {
  std::string raison;
  const auto options =
      LitOptions({"--param", "a b", "--decimal-separator", ";", "--printer", "p.txt", "x.bas"}, raison);
  ASSERT_TRUE(options) << raison;
  EXPECT_EQ(options->Fichier, "x.bas");
  EXPECT_EQ(options->Parametres, "a b");
  EXPECT_EQ(options->SeparateurDecimal, ';');
  EXPECT_EQ(options->Imprimante, (std::filesystem::current_path() / "p.txt").string());
  EXPECT_EQ(LitOptions({"--decimal-separator", "\xE2\x82\xAC", "x.bas"}, raison)->SeparateurDecimal, '\x80');  // €
}

TEST(LitOptions, HelpAndVersionNeedNoFileAndWinOverWhatFollows) {
  const std::pair<std::vector<std::string>, Demande> cas[] = {
      {{"--help"}, Demande::Aide},
      {{"--version"}, Demande::Version},
      {{"x.bas", "--version", "--inconnu"}, Demande::Version},
      {{"--help", "--version"}, Demande::Aide},
      {{"--param", "--help", "x.bas"}, Demande::Execution},
  };
  for (const auto& [arguments, demande] : cas) {
    std::string raison;
    const auto options = LitOptions(arguments, raison);
    ASSERT_TRUE(options) << testing::PrintToString(arguments) << raison;
    EXPECT_EQ(options->Demandee, demande) << testing::PrintToString(arguments);
  }
}

TEST(KorvaneRun, PrintsItsVersionAndHelpInFrench) {
  const std::pair<std::string, std::string> cas[] = {
      {"--version", "korvane-run " KORVANE_VERSION "\n"},
      {"--help", std::string(kUsage) + "\n\n" + kAide},
  };
  for (const auto& [option, attendue] : cas) {
    const Commande resultat = test::Lance(std::string(KORVANE_RUN_PATH) + " " + option, "");
    EXPECT_EQ(resultat.Statut, kSortieFin) << option;
    EXPECT_EQ(resultat.Sortie, attendue);
    EXPECT_EQ(resultat.Erreurs, "");
  }
  EXPECT_EQ(test::Lance("{ " + std::string(KORVANE_RUN_PATH) + " --version > /dev/full; }", "").Statut, kSortieEchec);
}

TEST(LitOptions, SaysWhatIsWrong) {
  const std::pair<std::vector<std::string>, std::string> mauvais[] = {
      {{}, "aucun fichier indiqué"},
      {{"a.bas", "b.bas"}, "un seul fichier attendu, « b.bas » en plus de « a.bas »"},
      {{"--param"}, "l'option --param attend une valeur"},
      {{"--param", "x"}, "aucun fichier indiqué"},
      {{"--inconnu", "a.bas"}, "option inconnue « --inconnu »"},
      {{"--printer", "", "a.bas"}, "fichier d'imprimante non valide «  »"},
  };
  for (const auto& [arguments, attendue] : mauvais) {
    std::string raison;
    EXPECT_FALSE(LitOptions(arguments, raison)) << testing::PrintToString(arguments);
    EXPECT_EQ(raison, attendue);
  }
  for (const char* separateur : {",,", "", "0", "+", "-", "E", "e", " ", "\t", "\xC2\xA0", "\xE2\x98\x83"}) {
    std::string raison;
    EXPECT_FALSE(LitOptions({"--decimal-separator", separateur, "a.bas"}, raison)) << separateur;
    EXPECT_TRUE(raison.starts_with("séparateur décimal non valide")) << raison;
  }
}

TEST(KorvaneRun, ReadsEveryEncodingAndLineEndOfTheSharedTable) {
  for (const test::CasFichierSource& c : test::kCasFichierSource) {
    const Commande fin = LanceKorvaneRun({}, c.Octets);
    EXPECT_EQ(fin.Sortie, "été\n2\n") << c.Nom;
    EXPECT_EQ(fin.Statut, 0) << c.Nom << fin.Erreurs;
  }
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

}  // namespace
}  // namespace korvane

namespace korvane {
namespace {

TEST(Signaux, AHandlerTheSystemRefusesIsToldInFrench) {
  std::ostringstream avertissements;
  EXPECT_FALSE(signaux::Intercepte(SIGKILL, avertissements));
  EXPECT_EQ(avertissements.str(), "korvane-run : le signal SIGKILL ne pourra pas arrêter proprement le programme\n");
}

TEST(KorvaneRun, CtrlCStopsARunawayProgramAndClosesItsFiles) {
  const test::DossierTemporaire dossier;
  test::EcritFichier(dossier.Chemin() / "boucle.bas",
                     "DIM I AS INTEGER\r\nOPEN \"O\",1,\"SORTIE.TXT\"\r\nPRINT# 1,\"debut\"\r\nPRINT \"boucle\"\r\n"
                     "DEBUT:\r\nI = I + 1\r\nGOTO DEBUT\r\n");
  // The signal goes once the loop has begun, which the output shows; after 10 seconds without
  // it the run is killed and the status tells.
  const Commande resultat = test::Lance(
      "cd " + test::Citation(dossier.Chemin().string()) + " && { " + std::string(KORVANE_RUN_PATH) +
          " boucle.bas > o & pid=$!; i=0; until [ -s o ]; do i=$((i + 1));"
          " if [ $i -gt 500 ]; then kill -KILL $pid; exit 99; fi; sleep 0.02; done; kill -INT $pid; wait $pid; }",
      "");
  EXPECT_EQ(resultat.Statut, kSortieArret);
  EXPECT_TRUE(resultat.Erreurs == "Arrêt à la ligne 6\n" || resultat.Erreurs == "Arrêt à la ligne 7\n")
      << resultat.Erreurs;
  EXPECT_EQ(test::LitFichier(dossier.Chemin() / "SORTIE.TXT"), "debut\r\n");
}

}  // namespace
}  // namespace korvane
