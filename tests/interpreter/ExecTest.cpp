#include <gtest/gtest.h>

#include "interpreter/Execution.h"
#include "machine/Symboles.h"
#include "support/Banc.h"

namespace korvane::test {
namespace {

const std::string kPointArret = "\xBB";

TEST(ExecLigne, LinesThatDoNothing) {
  const char* lignes[] = {"",         "   ",          "\t\t",       "DEBUT:",        "PRINT A:",
                          "REM note", "REMISE = 1",   "' note",     "NOP",           "NOPE = 3",
                          "DIM X AS INTEGER",          "ENDIF",      "ENDIFFY",       "END IF",
                          "END   IF", "SUB X",        "SUBTOTAL = 2"};
  for (const char* ligne : lignes) {
    Banc banc;
    int index = 4;
    ExecLigne(banc.It, banc.Texte, ligne, index);
    EXPECT_EQ(banc.It.Etat, kContinue) << ligne;
    EXPECT_EQ(index, 4) << ligne;
    EXPECT_TRUE(banc.Messages.Textes.empty()) << ligne;
    EXPECT_TRUE(banc.Ecran.Appels.empty()) << ligne;
  }
}

TEST(ExecLigne, EndEndsAndEndSubReturns) {
  for (const char* ligne : {"END", "end", "  END  ", "\tEND"}) {
    Banc banc;
    int index = 0;
    ExecLigne(banc.It, banc.Texte, ligne, index);
    EXPECT_EQ(banc.It.Etat, kFin) << ligne;
  }
  for (const char* ligne : {"END SUB", "ENDSUB", "end  sub"}) {
    Banc banc;
    ASSERT_TRUE(Empile(banc.It, 7));
    int index = 12;
    ExecLigne(banc.It, banc.Texte, ligne, index);
    EXPECT_EQ(banc.It.Etat, kContinue) << ligne;
    EXPECT_EQ(index, 7) << ligne;
    EXPECT_EQ(banc.It.Pile.Hauteur(), 0) << ligne;
  }
  Banc banc;
  int index = 12;
  ExecLigne(banc.It, banc.Texte, "END SUB", index);
  EXPECT_EQ(banc.Messages.Textes, std::vector<std::string>{"Pile vide"});
  EXPECT_EQ(index, 12);
}

TEST(ExecLigne, DoPushesItsOwnLine) {
  Banc banc;
  int index = 9;
  ExecLigne(banc.It, banc.Texte, "do", index);
  EXPECT_EQ(banc.Pile(), std::vector<int32_t>{9});
  EXPECT_EQ(index, 9);
}

TEST(ExecLigne, RandomizeSeedsFromTheTimeOfDay) {
  Banc banc;
  banc.Temps.Millisecondes = 12345;
  int index = 0;
  ExecLigne(banc.It, banc.Texte, "RANDOMIZE", index);
  EXPECT_EQ(banc.It.Hasard.Graine(), 12345u);
  const double premier = banc.It.Hasard.Suivant();
  ExecLigne(banc.It, banc.Texte, "RANDOMIZE", index);
  EXPECT_EQ(banc.It.Hasard.Suivant(), premier);  // the same seed gives the same sequence
  for (int i = 0; i < 1000; ++i) {
    const double x = banc.It.Hasard.Suivant();
    ASSERT_GE(x, 0.0);
    ASSERT_LT(x, 1.0);
  }
}

TEST(Exec, RunsThroughAndEndsQuietly) {
  Banc banc;
  const auto r = banc.Lance({"DIM A AS INTEGER", "REM", "END", "GARBAGE"});
  EXPECT_EQ(r.Etat, 0);
  EXPECT_EQ(r.Debut, 0);
  EXPECT_EQ(banc.It.Etat, kFin);
  EXPECT_EQ(banc.Ecran.Titre, "Korvane - ");
  EXPECT_TRUE(banc.Messages.Textes.empty());
}

TEST(Exec, PreScanErrorRecordsItsLineAndRunsNothing) {
  Banc banc;
  const auto r = banc.Lance({"REM", "DIM A AS INTEGER", "DIM A AS INTEGER", "END"});
  EXPECT_EQ(r.Etat, 1);
  EXPECT_EQ(r.Debut, 2);
  EXPECT_EQ(banc.Messages.Textes, std::vector<std::string>{"Symbole déjà défini"});
}

TEST(Exec, ErrorRecordsTheFailingLine) {
  Banc banc;
  const auto r = banc.Lance({"REM", "END SUB", "END"});
  EXPECT_EQ(r.Etat, 1);
  EXPECT_EQ(r.Debut, 1);
  EXPECT_EQ(banc.Messages.Textes, std::vector<std::string>{"Pile vide"});
}

TEST(Exec, StepModeStopsAfterEveryLineAndOnEnd) {
  Banc banc;
  auto r = banc.Lance({"REM un", "REM deux", "END"}, 0, 1);
  EXPECT_EQ(r.Etat, 1);
  EXPECT_EQ(r.Debut, 1);
  r = banc.Continue(r.Debut, 1);
  EXPECT_EQ(r.Debut, 2);
  r = banc.Continue(r.Debut, 1);
  EXPECT_EQ(r.Etat, 1);
  EXPECT_EQ(r.Debut, 2);  // END in step mode records itself
}

TEST(Exec, StepModeAfterAJumpRecordsTheLineAfterTheTarget) {
  Banc banc;
  banc.Declare({"DIM X AS INTEGER"});
  ASSERT_TRUE(Empile(banc.It, 0));
  const auto r = banc.Lance({"REM", "REM", "END SUB", "REM"}, 2, 1);
  EXPECT_EQ(r.Etat, 1);
  EXPECT_EQ(r.Debut, 1);
}

TEST(Exec, BreakpointStopsARunFromTheStartBeforeItsLine) {
  Banc banc;
  auto r = banc.Lance({"REM", kPointArret + "END SUB", "END"});
  EXPECT_EQ(r.Etat, 1);
  EXPECT_EQ(r.Debut, 1);
  EXPECT_TRUE(banc.Messages.Textes.empty());
  // A continue executes the line without its marker (here: the stack is empty).
  r = banc.Continue(r.Debut);
  EXPECT_EQ(r.Debut, 1);
  EXPECT_EQ(banc.Messages.Textes, std::vector<std::string>{"Pile vide"});
}

TEST(Exec, ContinueIgnoresBreakpointsAndKeepsTheTables) {
  Banc banc;
  banc.Lance({"DIM A AS INTEGER", kPointArret + "REM", kPointArret + "END"});
  ASSERT_TRUE(Empile(banc.It, 42));
  const auto r = banc.Continue(1);
  EXPECT_EQ(r.Etat, 0);
  EXPECT_EQ(banc.It.Etat, kFin);
  EXPECT_EQ(banc.It.Symboles.Symboles().size(), 1u);
  EXPECT_EQ(banc.It.Pile.Hauteur(), 1);
}

TEST(Exec, AContinueAfterAFailedCloseStopsAndSaysWhy) {
  Banc banc;
  banc.Printer.RefuseFin = true;
  ASSERT_EQ(banc.Lance({"LPRINT 1", kPointArret + "END"}).Debut, 1);
  const auto r = banc.Continue(1);
  EXPECT_EQ(r.Etat, kArret);
  EXPECT_EQ(r.Debut, 1);
  EXPECT_EQ(banc.Messages.Textes, std::vector<std::string>{FausseImprimante::kFinRefusee});
}

TEST(Exec, ARunFromTheStartAfterAFailedCloseSaysWhyAndGoesOn) {
  Banc banc;
  banc.Printer.RefuseFin = true;
  banc.Lance({"LPRINT 1", "END"});
  const auto r = banc.Lance({"LPRINT 2", "END"});
  EXPECT_EQ(r.Etat, kContinue);
  EXPECT_EQ(banc.Messages.Textes, std::vector<std::string>{FausseImprimante::kFinRefusee});
  EXPECT_EQ(banc.Printer.Journal.back(), "ligne");
}

TEST(Exec, BreakpointOnALineThatDoesNothingStops) {
  for (const std::optional<uint64_t> revision : {std::optional<uint64_t>{}, std::optional<uint64_t>{7}}) {
    for (const std::string& ligne : {kPointArret, kPointArret + "REM note", kPointArret + "FIN:"}) {
      Banc banc;
      banc.Texte.Rev = revision;
      const auto r = banc.Lance({"REM", ligne, "END"});
      EXPECT_EQ(r.Etat, 1) << ligne;
      EXPECT_EQ(r.Debut, 1) << ligne;
    }
  }
}

TEST(Exec, ALineEditedDuringARunIsReadAgainWhenTheHostGivesNoRevision) {
  Banc banc;
  banc.It.IntervalleVeille = std::chrono::milliseconds(0);
  banc.Touches.AuSondage = [&banc] { banc.Texte.Lignes[2] = "A = N"; };
  banc.Lance({"DIM A, N AS INTEGER", "HAUT:", "REM", "N = N + 1", "IF N < 20 THEN HAUT"});
  EXPECT_EQ(banc.Valeur("A"), "19");
}

TEST(Exec, StartPastTheLastLineExecutesNothing) {
  Banc banc;
  const auto r = banc.Lance({"END SUB"}, 5);
  EXPECT_EQ(r.Etat, 0);
  EXPECT_EQ(r.Debut, 5);
  EXPECT_TRUE(banc.Messages.Textes.empty());
}

TEST(Exec, EveryRunResetsTheCursorAndShowsTheWindow) {
  Banc banc;
  InitPrg(banc.It, "/home/moi/essai.bas");
  banc.It.Ecran.Place(40, 36);
  banc.Lance({"REM"});
  banc.Continue(1);
  EXPECT_EQ(banc.Ecran.Titre, "Korvane - essai.bas");
  EXPECT_EQ(banc.Ecran.Montrages, 2);
  EXPECT_EQ(banc.It.Ecran.CurseurX, 0);
  EXPECT_EQ(banc.It.Ecran.CurseurY, 0);
}

}  // namespace
}  // namespace korvane::test
