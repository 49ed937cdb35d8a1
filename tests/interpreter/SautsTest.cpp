// Jumps, subroutines, IF blocks and the return stack entries of every control statement.
#include <gtest/gtest.h>

#include <climits>

#include "interpreter/Execution.h"
#include "machine/Symboles.h"
#include "support/Banc.h"

namespace korvane::test {
namespace {

using Lignes = std::vector<std::string>;
using Textes = std::vector<std::string>;

// FOR N = N TO N ... NEXT adds 1 to N: the only way to count without assignments.
const std::string kCompte = "FOR N = N TO N";

struct CasPile {
  std::vector<int32_t> Avant;
  const char* Instruction;
  int Ligne;
  std::vector<int32_t> Apres;
  int LigneApres;
};

TEST(Pile, EachStatementPushesAndPopsItsEntries) {
  const Lignes programme = {"DIM I AS INTEGER", "CIBLE:", "SUB PROC", "END SUB", "NEXT", "WEND", "LOOP X", "END IF"};
  const CasPile cas[] = {
      {{}, "GOTO cible", 9, {}, 1},
      {{}, "GOSUB CIBLE", 9, {9}, 1},
      {{5}, "RETURN", 9, {}, 5},
      {{}, "CALL proc", 9, {9}, 2},
      {{5}, "END SUB", 9, {}, 5},
      {{5}, "EXIT SUB", 9, {}, 5},
      {{}, "DO", 9, {9}, 9},
      {{3}, "LOOP 1 > 2", 9, {3}, 3},
      {{3}, "LOOP 1 < 2", 9, {}, 9},
      {{}, "WHILE 1 < 2", 9, {9}, 9},
      {{}, "WHILE 2 < 1", 1, {}, 5},
      {{3}, "WEND", 9, {}, 2},
      {{}, "FOR I = 1 TO 5", 9, {9, 1, 5, 1}, 9},
      {{}, "FOR I = 7 TO -5 STEP -4", 9, {9, 1, -5, -4}, 9},
      {{9, 1, 5, 1}, "NEXT", 12, {9, 1, 5, 1}, 9},
      {{9, 1, 0, 1}, "NEXT I", 12, {}, 12},
      {{8, 2, 1, 5, 1}, "EXIT FOR", 6, {8}, 4},
      {{8}, "EXIT WHILE", 1, {8}, 5},
      {{8}, "EXIT DO", 1, {8}, 6},
      {{8}, "EXIT LOOP", 1, {8}, 1},
      {{}, "ELSE", 1, {}, 7},
      {{}, "IF 1 < 2 THEN", 0, {}, 0},
      {{}, "IF 2 < 1 THEN", 0, {}, 7},
  };
  for (const CasPile& c : cas) {
    Banc b;
    ASSERT_EQ(b.Declare(programme), -1);
    for (int32_t entree : c.Avant) ASSERT_TRUE(Empile(b.It, entree));
    int ligne = c.Ligne;
    ExecLigne(b.It, b.Texte, c.Instruction, ligne);
    EXPECT_EQ(b.It.Etat, kContinue) << c.Instruction;
    EXPECT_EQ(b.Pile(), c.Apres) << c.Instruction;
    EXPECT_EQ(ligne, c.LigneApres) << c.Instruction;
    EXPECT_TRUE(b.Messages.Textes.empty()) << c.Instruction;
  }
}

TEST(Pile, ForSetsTheVariableAndNextStepsIt) {
  Banc b;
  ASSERT_EQ(b.Declare({"DIM J, I AS INTEGER"}), -1);
  const int32_t adresse = ChercheEtiq(b.It, "I")->Adresse;
  int ligne = 7;
  ExecLigne(b.It, b.Texte, "FOR i = 2 to 9 step 3", ligne);
  EXPECT_EQ(b.Entier("I"), 2);
  EXPECT_EQ(b.Pile(), (std::vector<int32_t>{7, adresse, 9, 3}));

  ligne = 12;
  ExecLigne(b.It, b.Texte, "NEXT", ligne);
  EXPECT_EQ(ligne, 7);
  EXPECT_EQ(b.Entier("I"), 5);
  EXPECT_EQ(b.Pile(), (std::vector<int32_t>{7, adresse, 9, 3}));

  b.Entier("I") = 8;
  ligne = 12;
  ExecLigne(b.It, b.Texte, "NEXT", ligne);
  EXPECT_EQ(ligne, 12);
  EXPECT_EQ(b.Entier("I"), 11);
  EXPECT_EQ(b.It.Pile.Hauteur(), 0);
}

struct CasArret {
  Lignes Programme;
  Textes Messages;
  int LigneArret;
};

TEST(Messages, EachFailureStopsOnItsLineWithItsText) {
  const CasArret cas[] = {
      {{"GOTO NULLE PART"}, {"Etiquette non trouvée"}, 0},
      {{"GOSUB PROC", "END", "SUB PROC", "END SUB"}, {"Etiquette non trouvée"}, 0},
      {{"DIM V AS INTEGER", "GOTO V"}, {"Etiquette non trouvée"}, 1},
      {{"CALL ICI", "END", "ICI:"}, {"Sub non trouvé"}, 0},
      {{"DIM P AS INTEGER", "CALL P"}, {"Sub non trouvé"}, 1},
      {{"RETURN"}, {"Pile vide"}, 0},
      {{"SUB PROC", "END SUB"}, {"Pile vide"}, 1},  // running into a SUB
      {{"EXIT SUB"}, {"Pile vide"}, 0},
      {{"IF 1 < 2"}, {"THEN manquant"}, 0},
      {{"IF 2 < 1 THEN", "END"}, {"Else ou Endif non trouvé"}, 0},
      {{"IF 2 > 1 THEN PRINT X"}, {"Etiquette non trouvée"}, 0},
      {{"IF 2 > 1 THEN FIN ELSE"}, {"Etiquette non trouvée"}, 0},
      // The condition is cut at the THEN inside ATHENA.
      {{"DIM ATHENA AS INTEGER", "IF ATHENA > 0 THEN FIN", "FIN:"}, {"Expression logique incorrecte"}, 1},
      {{"IF X > 0 THEN FIN", "FIN:"}, {"Identificateur X inconnu"}, 0},
  };
  for (const CasArret& c : cas) {
    Banc b;
    const Banc::Resultat r = b.Lance(c.Programme);
    EXPECT_EQ(r.Etat, kArret) << c.Programme.back();
    EXPECT_EQ(r.Debut, c.LigneArret) << c.Programme.back();
    EXPECT_EQ(b.Messages.Textes, c.Messages) << c.Programme.back();
  }
}

TEST(Sauts, GosubReturnsAfterTheCallingLine) {
  Banc b;
  const Banc::Resultat r = b.Lance({"DIM N AS INTEGER", "GOSUB INC", "gosub inc", "END", "INC:", kCompte, "NEXT", "RETURN"});
  EXPECT_EQ(r.Etat, kContinue);
  EXPECT_EQ(b.Entier("N"), 2);
  EXPECT_EQ(b.It.Pile.Hauteur(), 0);
  EXPECT_TRUE(b.Messages.Textes.empty());
}

TEST(Sauts, CallRunsTheSubBodyUntilEndSubOrExitSub) {
  Banc b;
  const Banc::Resultat r = b.Lance({"DIM N AS INTEGER", "CALL PLUS", "call plus", "CALL SORT", "END", "SUB PLUS", kCompte,
                                    "NEXT", "END SUB", "SUB SORT", "EXIT SUB", kCompte, "NEXT", "END SUB"});
  EXPECT_EQ(r.Etat, kContinue);
  EXPECT_EQ(b.Entier("N"), 2);
  EXPECT_EQ(b.It.Pile.Hauteur(), 0);
  EXPECT_TRUE(b.Messages.Textes.empty());
}

TEST(Sauts, HundredNestedGosubsFitAndTheNextStopsOnItsTarget) {
  Banc b;
  const Banc::Resultat r = b.Lance({"REM", "DEBUT:", "GOSUB DEBUT"});
  EXPECT_EQ(r.Etat, kArret);
  EXPECT_EQ(r.Debut, 1);  // the label line, not the GOSUB line
  EXPECT_EQ(b.Messages.Textes, Textes{"Pile saturée"});
  EXPECT_EQ(b.Pile(), std::vector<int32_t>(100, 2));
}

TEST(Sauts, CallThatCannotPushStopsOnTheSubHeader) {
  Banc b;
  const Banc::Resultat r = b.Lance({"CALL R", "END", "SUB R", "CALL R", "END SUB"});
  EXPECT_EQ(r.Etat, kArret);
  EXPECT_EQ(r.Debut, 2);
  EXPECT_EQ(b.Messages.Textes, Textes{"Pile saturée"});
  std::vector<int32_t> attendu(100, 3);
  attendu[0] = 0;
  EXPECT_EQ(b.Pile(), attendu);
}

TEST(Sauts, StrayReturnLinesNeitherOverflowNorLeaveTheText) {
  Banc b;
  // RETURN takes the FOR's step as its line: the largest index simply ends the run.
  Banc::Resultat r = b.Lance({"DIM I AS INTEGER", "FOR I = 1 TO 2 STEP 2147483647", "RETURN", "END"});
  EXPECT_EQ(r.Etat, kContinue);
  EXPECT_TRUE(b.Messages.Textes.empty());
  // WEND would resume one line before the smallest index: the run loop refuses it.
  EXPECT_THROW(b.Lance({"DIM I AS INTEGER", "FOR I = 1 TO 2 STEP -2147483648", "WEND"}), EchecExecution);
}

// IF ... THEN LA [ELSE LB]: LA sets A to 2, LB sets B to 2.
struct CasSiUneLigne {
  const char* Si;
  int32_t A, B;
};

TEST(Si, OneLineFormOnlyJumpsToLabels) {
  const CasSiUneLigne cas[] = {
      {"IF 2 > 1 THEN LA", 2, 0},
      {"IF 1 > 2 THEN LA", 0, 0},
      {"IF 2 > 1 THEN LA ELSE LB", 2, 0},
      {"IF 1 > 2 THEN LA ELSE LB", 0, 2},
      {"if 1 > 2 then la else lb", 0, 2},
      {"IF 2 > 1 THEN   LA   ELSE   LB", 2, 0},
  };
  for (const CasSiUneLigne& c : cas) {
    Banc b;
    const Banc::Resultat r = b.Lance({"DIM A, B AS INTEGER", c.Si, "END", "LA:", "FOR A = 1 TO 1", "NEXT", "END", "LB:",
                                      "FOR B = 1 TO 1", "NEXT", "END"});
    EXPECT_EQ(r.Etat, kContinue) << c.Si;
    EXPECT_EQ(b.Entier("A"), c.A) << c.Si;
    EXPECT_EQ(b.Entier("B"), c.B) << c.Si;
    EXPECT_TRUE(b.Messages.Textes.empty()) << c.Si;
  }
}

// The THEN part sets A, the ELSE part sets B, the line after the block sets C.
struct CasBloc {
  const char* Condition;
  const char* FinSi;
  int32_t A, B;
};

TEST(Si, BlockFormSkipsToElseOrEndIf) {
  const CasBloc cas[] = {
      {"2 > 1", "END IF", 2, 0},
      {"1 > 2", "END IF", 0, 2},
      {"2 > 1", "ENDIF", 2, 0},
      {"1 > 2", "endif", 0, 2},
      {"1 > 2", "end   if", 0, 2},
      {"2 > 1", "END\tIF", 2, 0},
      // ELSE looks only for ENDIF or END IF with one blank: the ELSE part runs too.
      {"2 > 1", "END  IF", 2, 2},
  };
  for (const CasBloc& c : cas) {
    Banc b;
    const Banc::Resultat r = b.Lance({"DIM A, B, C AS INTEGER", std::string("IF ") + c.Condition + " THEN",
                                      "FOR A = 1 TO 1", "NEXT", "  else  ", "FOR B = 1 TO 1", "NEXT", c.FinSi,
                                      "FOR C = 1 TO 1", "NEXT", "END"});
    const std::string nom = std::string(c.Condition) + " / " + c.FinSi;
    EXPECT_EQ(r.Etat, kContinue) << nom;
    EXPECT_EQ(b.Entier("A"), c.A) << nom;
    EXPECT_EQ(b.Entier("B"), c.B) << nom;
    EXPECT_EQ(b.Entier("C"), 2) << nom;
    EXPECT_TRUE(b.Messages.Textes.empty()) << nom;
  }
}

TEST(Si, FalseBlockTakesTheFirstEndIfEvenOfAnInnerBlock) {
  Banc b;
  const Banc::Resultat r = b.Lance(
      {"DIM A, B AS INTEGER", "IF 1 > 2 THEN", "IF 2 > 1 THEN", "FOR A = 1 TO 1", "NEXT", "ENDIF", "FOR B = 1 TO 1", "NEXT",
       "ENDIF", "END"});
  EXPECT_EQ(r.Etat, kContinue);
  EXPECT_EQ(b.Entier("A"), 0);
  EXPECT_EQ(b.Entier("B"), 2);
}

TEST(Si, TrueBlockWithoutEndIfRunsOn) {
  Banc b;
  const Banc::Resultat r = b.Lance({"DIM A AS INTEGER", "IF 2 > 1 THEN", "FOR A = 1 TO 1", "NEXT", "END"});
  EXPECT_EQ(r.Etat, kContinue);
  EXPECT_EQ(b.Entier("A"), 2);
  EXPECT_TRUE(b.Messages.Textes.empty());
}

TEST(Si, BreakpointMarkerDoesNotHideTheEndIf) {
  Banc b;
  const Banc::Resultat r = b.Lance({"DIM A AS INTEGER", "IF 1 > 2 THEN", "FOR A = 1 TO 1", "NEXT", "\xBB" "END IF", "END"});
  EXPECT_EQ(r.Etat, kContinue);
  EXPECT_EQ(b.Entier("A"), 0);
  EXPECT_TRUE(b.Messages.Textes.empty());
}

}  // namespace
}  // namespace korvane::test
