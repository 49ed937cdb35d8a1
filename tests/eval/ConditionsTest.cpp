#include <gtest/gtest.h>

#include <optional>

#include "eval/Conditions.h"
#include "support/Banc.h"

namespace korvane::test {
namespace {

// X = 10, A$ = "<", B$ = "abc", LONG$ = 18 characters.
class Conditions : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(b.Declare({"DIM X AS INTEGER", "DIM A$, B$, LONG$ AS STRING"}), -1);
    b.Entier("X") = 10;
    b.Chaine("A$") = "<";
    b.Chaine("B$") = "abc";
    b.Chaine("LONG$") = "xx0123456789ABCDEF";
  }

  std::optional<bool> Evalue(const std::string& condition) { return EvalCondition(b.It, condition); }

  Banc b;
};

struct CasVrai {
  const char* Condition;
  bool Attendu;
};

TEST_F(Conditions, CompareRightAlignedSixteenByteFields) {
  const CasVrai cas[] = {
      {"9 < 10", true},
      {"-1 < 5", false},  // '-' sorts after the blank of the padding
      {"2.5 < 10", false},  // the longer text sorts last
      {"X = 10", true},
      {"X = 010", false},  // the literal keeps its written form
      {"X >= 9", true},
      {"X<=10", true},
      {"\"B\" < \"AB\"", true},
      {"\"a\" > \"Z\"", true},
      {"\"A \" <> \"A\"", true},
      {"\" A\" = \"A\"", true},
      {"LONG$ = \"yy0123456789ABCDEF\"", true},  // only the last 16 characters count
      {"LONG$ = \"xx0123456789ABCDEe\"", false},
      {"\"abc\" = b$", true},
      {"\"\xE9\" > \"z\"", true},  // bytes compare unsigned
      {"5 <= 5", true},
      {"5 >= 6", false},
      {"5 <> 5", false},
      {"4 < 5", true},
      {"4 > 5", false},
      {"5 = 5", true},
  };
  for (const CasVrai& c : cas) {
    EXPECT_EQ(Evalue(c.Condition), c.Attendu) << c.Condition;
    EXPECT_EQ(b.It.Etat, kContinue) << c.Condition;
  }
  EXPECT_TRUE(b.Messages.Textes.empty());
}

TEST_F(Conditions, SingleCharacterOperatorsAreLookedForOutsideQuotes) {
  const CasVrai cas[] = {
      {"A$ = \"<\"", true},
      {"A$ = \">\"", false},
      {"\"a<b\" < \"c\"", false},  // the quoted '<' is skipped: "a<b" is longer than "c"
      {"\"a<b\" > \"c\"", true},
      {"\"x=y\" = \"x=y\"", true},
  };
  for (const CasVrai& c : cas) {
    EXPECT_EQ(Evalue(c.Condition), c.Attendu) << c.Condition;
    EXPECT_EQ(b.It.Etat, kContinue) << c.Condition;
  }
  EXPECT_TRUE(b.Messages.Textes.empty());
}

TEST_F(Conditions, EndOfFileTestOfAnotherDigitIsFalseWithoutMessage) {
  for (const char* condition : {"NOT EOF(5)", "not eof(0)", "NOT EOF(9)xyz"}) {
    EXPECT_EQ(Evalue(condition), false) << condition;
    EXPECT_EQ(b.It.Etat, kContinue) << condition;
  }
  EXPECT_TRUE(b.Messages.Textes.empty());
}

struct CasErreur {
  const char* Condition;
  const char* Message;
};

TEST_F(Conditions, FailuresGiveNoResultAndOneMessage) {
  const CasErreur cas[] = {
      {"X", "Expression logique incorrecte"},
      {"", "Expression logique incorrecte"},
      {"NOT  EOF(2)", "Expression logique incorrecte"},
      {"EOF(2)", "Expression logique incorrecte"},
      {"NOT EOF(x)", "Erreur de syntaxe"},
      {"NOT EOF(", "Erreur de syntaxe"},
      {"not eof()", "Erreur de syntaxe"},
      // No channel is open: the end-of-file test itself fails.
      {"NOT EOF(1)", "Erreur Entrée/sortie"},
      {"not eof(2)", "Erreur Entrée/sortie"},
      {"NOT EOF(3", "Erreur Entrée/sortie"},
      {"NOT EOF(3)xyz", "Erreur Entrée/sortie"},
      // "<=" is found inside the literal before the '=' outside it.
      {"A$ = \"<=\"", "Identificateur A$ = \" inconnu"},
      {"\"a<>b\" < \"c\"", "chaine sans fin"},
      {"X => 1", "Identificateur > 1 inconnu"},
      {"X+1 > 2", "Identificateur X+1 inconnu"},
      {"X > Y", "Identificateur Y inconnu"},
      {"Q < Z", "Identificateur Q inconnu"},  // the right operand is not read after a failure
  };
  for (const CasErreur& c : cas) {
    b.It.Etat = kContinue;
    b.Messages.Textes.clear();
    EXPECT_EQ(Evalue(c.Condition), std::nullopt) << c.Condition;
    EXPECT_EQ(b.It.Etat, kArret) << c.Condition;
    EXPECT_EQ(b.Messages.Textes, std::vector<std::string>{c.Message}) << c.Condition;
  }
}

TEST_F(Conditions, RightOperandIsCutAt255Characters) {
  b.Chaine("A$") = std::string(250, 'z') + "12345";
  const std::string droite = "\"" + std::string(250, 'z') + "12345" + "\"";
  // The closing quote falls past the 255th character: the literal has no end.
  EXPECT_EQ(Evalue("A$ = " + droite), std::nullopt);
  EXPECT_EQ(b.Messages.Textes, std::vector<std::string>{"chaine sans fin"});
}

}  // namespace
}  // namespace korvane::test
