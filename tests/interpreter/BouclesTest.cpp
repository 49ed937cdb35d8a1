// FOR / NEXT, WHILE / WEND, DO / LOOP and EXIT.
#include <gtest/gtest.h>

#include "interpreter/Execution.h"
#include "machine/Symboles.h"
#include "support/Banc.h"

namespace korvane::test {
namespace {

using Lignes = std::vector<std::string>;
using Textes = std::vector<std::string>;

// FOR N = N TO N ... NEXT adds 1 to N: the only way to count without assignments.
const std::string kCompte = "FOR N = N TO N";

struct CasPour {
  const char* Bornes;
  int32_t IFinal;
  int32_t Tours;
};

TEST(Pour, BodyRunsAtLeastOnceAndTheVariableEndsPastTheLimit) {
  const CasPour cas[] = {
      {"1 TO 3", 4, 3},
      {"3 TO 1 STEP -1", 0, 3},
      {"5 TO 1", 6, 1},
      {"1 TO 10 STEP 3", 13, 4},
      {"-2 TO 2", 3, 5},
      {"1 to 3 step 2", 5, 2},
      {"1 TO 1", 2, 1},
  };
  for (const CasPour& c : cas) {
    Banc b;
    const Banc::Resultat r =
        b.Lance({"DIM I, N AS INTEGER", std::string("FOR I = ") + c.Bornes, kCompte, "NEXT", "NEXT I", "END"});
    EXPECT_EQ(r.Etat, kContinue) << c.Bornes;
    EXPECT_EQ(b.Entier("I"), c.IFinal) << c.Bornes;
    EXPECT_EQ(b.Entier("N"), c.Tours) << c.Bornes;
    EXPECT_EQ(b.It.Pile.Hauteur(), 0) << c.Bornes;
    EXPECT_TRUE(b.Messages.Textes.empty()) << c.Bornes;
  }
}

TEST(Pour, OperandsMayBeVariablesAndArrayElements) {
  Banc b;
  ASSERT_EQ(b.Declare({"DIM I, L, N AS INTEGER", "DIM P(2) AS INTEGER", "FOR I = L TO P(2) STEP P(1)", kCompte, "NEXT",
                       "NEXT", "END"}),
            -1);
  b.Entier("L") = 2;
  b.Entier("P(", 1) = 2;
  b.Entier("P(", 2) = 7;
  const Banc::Resultat r = b.Continue(2);
  EXPECT_EQ(r.Etat, kContinue);
  EXPECT_EQ(b.Entier("I"), 8);
  EXPECT_EQ(b.Entier("N"), 3);
}

struct CasEchecPour {
  const char* Instruction;
  Textes Messages;
};

TEST(Pour, FailuresPushNothingAndLeaveTheVariable) {
  const CasEchecPour cas[] = {
      {"FOR I 1 TO 3", {"erreur de syntaxe"}},
      {"FOR I = 1 A 3", {"erreur de syntaxe"}},
      {"FOR K = 1 TO 3", {"Variable inconnue"}},
      {"FOR R = 1 TO 3", {"Type de variable incorrect"}},
      {"FOR S = 1 TO 3", {"Type de variable incorrect"}},
      {"FOR I = 1 TO 3 STEP 0.5", {"Types de données incompatibles"}},
      {"FOR I = 1 TO S", {"Types de données incompatibles"}},  // S holds one blank
      // The character after TO is skipped: the limit is empty.
      {"FOR I = 1 TO3", {"Identificateur  inconnu", "Types de données incompatibles"}},
      {"FOR I = 1.5 TO 3", {"Erreur de conversion"}},
      {"FOR I = Z TO 3", {"Identificateur Z inconnu", "Erreur de conversion"}},
      {"FOR I = 1 TO Z", {"Identificateur Z inconnu", "Types de données incompatibles"}},
  };
  for (const CasEchecPour& c : cas) {
    Banc b;
    const Banc::Resultat r = b.Lance({"DIM I, L AS INTEGER", "DIM R AS REAL", "DIM S AS STRING", "DIM T(2) AS INTEGER",
                                      c.Instruction, "NEXT"});
    EXPECT_EQ(r.Etat, kArret) << c.Instruction;
    EXPECT_EQ(r.Debut, 4) << c.Instruction;
    EXPECT_EQ(b.Messages.Textes, c.Messages) << c.Instruction;
    EXPECT_EQ(b.It.Pile.Hauteur(), 0) << c.Instruction;
    EXPECT_EQ(b.Entier("I"), 0) << c.Instruction;
  }
}

TEST(Pour, FailedReadStopsTheLoopEvenWhenTheLaterOperandsAreRead) {
  Banc b;
  // T(5000) leaves its subscript text, which converts; L is then read without a failure.
  const Banc::Resultat r = b.Lance({"DIM I, L AS INTEGER", "DIM T(2) AS INTEGER", "FOR I = 1 TO T(5000) STEP L", "NEXT"});
  EXPECT_EQ(r.Etat, kArret);
  EXPECT_EQ(r.Debut, 2);
  EXPECT_EQ(b.Messages.Textes, Textes{"Erreur dans indice"});
  EXPECT_EQ(b.It.Pile.Hauteur(), 0);
}

TEST(Pour, PushFailureStopsOnTheForLine) {
  Banc b;
  ASSERT_EQ(b.Declare({"DIM I AS INTEGER"}), -1);
  for (int i = 0; i < 97; ++i) ASSERT_TRUE(Empile(b.It, -1));
  int ligne = 3;
  ExecLigne(b.It, b.Texte, "FOR I = 1 TO 2", ligne);
  EXPECT_EQ(b.It.Etat, kArret);
  EXPECT_EQ(ligne, 3);
  EXPECT_EQ(b.Messages.Textes, Textes{"Pile saturée"});
  EXPECT_EQ(b.It.Pile.Hauteur(), 100);
}

TEST(Pour, StepZeroLoopsUntilTheRunIsInterrupted) {
  Banc b;
  b.Touches.Arret = true;
  const Banc::Resultat r = b.Lance({"DIM I AS INTEGER", "FOR I = 1 TO 3 STEP 0", "NEXT", "END"});
  EXPECT_EQ(r.Etat, kArret);
  EXPECT_EQ(b.Entier("I"), 1);
  EXPECT_EQ(b.It.Pile.Hauteur(), 4);
  EXPECT_TRUE(b.Messages.Textes.empty());
}

TEST(Pour, NextPastTheIntegerRangeReportsInsteadOfWrapping) {
  Banc b;
  const Banc::Resultat r = b.Lance({"DIM I AS INTEGER", "FOR I = 2147483646 TO 2147483647", "NEXT", "END"});
  EXPECT_EQ(r.Etat, kArret);
  EXPECT_EQ(r.Debut, 2);
  EXPECT_EQ(b.Messages.Textes, Textes{"Erreur de conversion"});
  EXPECT_EQ(b.Entier("I"), 2147483647);
}

struct CasPileVide {
  Lignes Programme;
  std::size_t Messages;
};

TEST(Pour, EveryPopOfAnEmptyStackIsReported) {
  const CasPileVide cas[] = {
      {{"NEXT"}, 4},
      {{"DO", "NEXT"}, 3},
      {{"EXIT FOR"}, 4},
      {{"WEND"}, 1},
      {{"LOOP 1 < 2"}, 1},
  };
  for (const CasPileVide& c : cas) {
    Banc b;
    const Banc::Resultat r = b.Lance(c.Programme);
    EXPECT_EQ(r.Etat, kArret) << c.Programme.back();
    EXPECT_EQ(r.Debut, static_cast<int>(c.Programme.size()) - 1) << c.Programme.back();
    EXPECT_EQ(b.Messages.Textes, Textes(c.Messages, "Pile vide")) << c.Programme.back();
    EXPECT_EQ(b.It.Pile.Hauteur(), 0) << c.Programme.back();
  }
}

TEST(Pour, NextWithAStrayAddressDoesNotTouchTheStores) {
  Banc b;
  ASSERT_EQ(b.Declare({"NEXT"}), -1);
  for (int32_t entree : {0, 9999, 5, 1}) ASSERT_TRUE(Empile(b.It, entree));
  int ligne = 0;
  ExecLigne(b.It, b.Texte, "NEXT", ligne);
  EXPECT_EQ(b.It.Etat, kArret);
  EXPECT_EQ(b.Messages.Textes, Textes{"Erreur dans indice"});
}

TEST(TantQue, RunsWhileTheConditionHolds) {
  Banc b;
  const Banc::Resultat r = b.Lance({"DIM N AS INTEGER", "WHILE N < 3", kCompte, "NEXT", "WEND", "END"});
  EXPECT_EQ(r.Etat, kContinue);
  EXPECT_EQ(b.Entier("N"), 3);
  EXPECT_EQ(b.It.Pile.Hauteur(), 0);
}

TEST(TantQue, FalseAtOnceSkipsTheBody) {
  Banc b;
  const Banc::Resultat r = b.Lance({"DIM N AS INTEGER", "WHILE N > 0", kCompte, "NEXT", "  wend", kCompte, "NEXT", "END"});
  EXPECT_EQ(r.Etat, kContinue);
  EXPECT_EQ(b.Entier("N"), 1);  // only the loop after the WEND ran
  EXPECT_EQ(b.It.Pile.Hauteur(), 0);
}

TEST(TantQue, FalseConditionTakesTheFirstWendEvenOfAnInnerLoop) {
  Banc b;
  const Banc::Resultat r = b.Lance({"WHILE 1 > 2", "WHILE 2 > 1", "WEND", "WEND", "END"});
  EXPECT_EQ(r.Etat, kArret);
  EXPECT_EQ(r.Debut, 3);  // the outer WEND, reached with nothing on the stack
  EXPECT_EQ(b.Messages.Textes, Textes{"Pile vide"});
}

TEST(TantQue, FalseConditionWithoutWendIsReported) {
  Banc b;
  const Banc::Resultat r = b.Lance({"WHILE 2 < 1", "WEND X", "END"});
  EXPECT_EQ(r.Etat, kArret);
  EXPECT_EQ(r.Debut, 0);
  EXPECT_EQ(b.Messages.Textes, Textes{"WHILE sans WEND"});
}

struct CasFaire {
  const char* Boucle;
  int32_t Tours;
};

TEST(Faire, LoopRepeatsUntilItsConditionIsTrue) {
  const CasFaire cas[] = {
      {"LOOP N = 3", 3},
      {"LOOP N > 0", 1},  // tested after the body: it runs once
      {"loop n >= 5", 5},
  };
  for (const CasFaire& c : cas) {
    Banc b;
    const Banc::Resultat r = b.Lance({"DIM N AS INTEGER", "DO", kCompte, "NEXT", c.Boucle, "END"});
    EXPECT_EQ(r.Etat, kContinue) << c.Boucle;
    EXPECT_EQ(b.Entier("N"), c.Tours) << c.Boucle;
    EXPECT_EQ(b.It.Pile.Hauteur(), 0) << c.Boucle;
  }
}

TEST(Faire, LoopConditionErrorStopsOnTheLoopLine) {
  Banc b;
  const Banc::Resultat r = b.Lance({"DO", "LOOP", "END"});
  EXPECT_EQ(r.Etat, kArret);
  EXPECT_EQ(r.Debut, 1);
  EXPECT_EQ(b.Messages.Textes, Textes{"Expression logique incorrecte"});
}

struct CasSortie {
  Lignes Programme;
  std::vector<int32_t> Pile;
};

TEST(Sortie, ExitLeavesTheLoopAndOnlyExitForPopsItsEntries) {
  const CasSortie cas[] = {
      {{"DIM I AS INTEGER", "FOR I = 1 TO 10", "EXIT FOR", "NEXT", "END"}, {}},
      {{"WHILE 1 < 2", "EXIT WHILE", "WEND", "END"}, {0}},
      {{"DO", "exit do", "LOOPX", "END"}, {0}},
      {{"DO", "EXIT LOOP", "END", "LOOP 1 < 2"}, {0}},  // anything else does nothing
  };
  for (const CasSortie& c : cas) {
    Banc b;
    const Banc::Resultat r = b.Lance(c.Programme);
    EXPECT_EQ(r.Etat, kContinue) << c.Programme[1];
    EXPECT_EQ(b.Pile(), c.Pile) << c.Programme[1];
    EXPECT_TRUE(b.Messages.Textes.empty()) << c.Programme[1];
  }
}

TEST(Sortie, EntryLeftByExitWhileIsTakenByALaterReturn) {
  Banc b;
  // RETURN goes back to the WHILE line; the second EXIT WHILE reaches RETURN on an empty stack.
  const Banc::Resultat r = b.Lance({"WHILE 1 < 2", "EXIT WHILE", "WEND", "RETURN"});
  EXPECT_EQ(r.Etat, kArret);
  EXPECT_EQ(r.Debut, 3);
  EXPECT_EQ(b.Messages.Textes, Textes{"Pile vide"});
}

TEST(Sortie, ExitForNeedsABareNext) {
  Banc b;
  const Banc::Resultat r = b.Lance({"DIM I AS INTEGER", "FOR I = 1 TO 2", "EXIT FOR", "NEXT I"});
  EXPECT_EQ(r.Etat, kArret);
  EXPECT_EQ(r.Debut, 2);
  EXPECT_EQ(b.Messages.Textes, Textes{"FOR sans NEXT"});
  EXPECT_EQ(b.It.Pile.Hauteur(), 0);
}

struct CasLigneFor {
  int32_t LigneFor;
  int LigneApres;
  const char* Message;
};

TEST(Sortie, ExitForSearchesOnlyLinesOfTheText) {
  const CasLigneFor cas[] = {
      {-3, 1, nullptr},
      {2, 2, nullptr},
      {3, 0, "FOR sans NEXT"},
      {5000, 0, "FOR sans NEXT"},
      {2147483647, 0, "FOR sans NEXT"},
  };
  for (const CasLigneFor& c : cas) {
    Banc b;
    ASSERT_EQ(b.Declare({"EXIT FOR", "NEXT", "NEXT", "END"}), -1);
    for (int32_t entree : {c.LigneFor, 1, 1, 1}) ASSERT_TRUE(Empile(b.It, entree));
    int ligne = 0;
    ExecLigne(b.It, b.Texte, "EXIT FOR", ligne);
    EXPECT_EQ(ligne, c.LigneApres) << c.LigneFor;
    EXPECT_EQ(b.Messages.Textes, c.Message ? Textes{c.Message} : Textes{}) << c.LigneFor;
  }
}

}  // namespace
}  // namespace korvane::test
