#include <gtest/gtest.h>

#include <cmath>

#include "BancEvaluation.h"
#include "base/Nombres.h"
#include "eval/Evaluateur.h"

namespace korvane::test {
namespace {

class Fonctions : public BancEvaluation {
 protected:
  void SetUp() override {
    BancEvaluation::SetUp();
    banc.Pose("N", "-3");
    banc.Pose("I", "2");
    banc.Pose("MODE", "9");
    banc.Pose("R", "3000000000");
    banc.Pose("X", "0.5");
    banc.Pose("X(", "2.25", 2);
    banc.Pose("S$", "été");
    banc.Pose("A$", "abcdef");
    banc.Pose("T$(", "deux", 2);
  }

  // The 6-byte real nearest to `valeur`, as text.
  static std::string Reel6(long double valeur) { return FormatReel(*ArrondiReel6(valeur), '.'); }
};

TEST_F(Fonctions, IntegerFunctions) {
  const Cas cas[] = {
      {R"(LEN("abc"))", "3"},
      {"LEN(S$)", "3"},  // one byte per character
      {R"(LEN(""))", "0"},
      {R"(len("abc") + 1)", "4"},
      {R"(INSTR("abcabc","c"))", "3"},
      {R"(INSTR("abc",""))", "0"},
      {R"(INSTR("abc","z"))", "0"},
      {R"(INSTR(A$,"def"))", "4"},
      {"ABS(-5)", "5"},
      {"ABS(5)", "5"},
      {"ABS(N)", "3"},
      {"ABS(-2147483648)", "-2147483648"},
      {"INT(2.5)", "2"},  // halves to even
      {"INT(3.5)", "4"},
      {"INT(2.7)", "3"},
      {"INT(-2.7)", "-3"},
      {"INT(-2.5)", "-2"},
      {"INT(X)", "0"},
      {"INT(N)", "-3"},
      {"INT(2147483647)", "2147483647"},
      {R"(ASC("A"))", "65"},
      {"ASC(65)", "54"},  // the code of the character 6
      {"ASC(S$)", "233"},
      {R"(ASC(""))", "0"},
      {R"(VAL("12"))", "12"},
      {R"(VAL("$1F"))", "31"},
      {R"(VAL(" -7"))", "-7"},
      {"VAL(N)", "-3"},
  };
  Valeurs(EvalEntier, cas);
}

TEST_F(Fonctions, IntegerFunctionFailures) {
  const Cas cas[] = {
      {R"(VAL("12abc"))", "erreur dans nombre 12abc"},
      {R"(VAL("2.5"))", "erreur dans nombre 2.5"},
      {R"(ABS("x"))", "erreur dans nombre x"},
      {"ABS(3000000000)", "erreur dans nombre 3000000000"},
      {"INT(R)", "erreur dans nombre 3000000000"},  // outside the 32-bit range
      {"INT(2147483647.5)", "erreur dans nombre 2147483647.5"},
      {"INT(1E10)", "Expression incorrecte"},
      {R"(INT("x"))", "erreur dans nombre x"},
      {R"(INSTR("abc"))", "Erreur de syntaxe"},
      {R"(INSTR("a,b",","))", "chaine sans fin"},  // split at the comma inside the literal
      {R"(INSTR(ZZ$,"a"))", "Variable ZZ$ n'existe pas"},
      {"LEN(A$ )", "Variable A$  n'existe pas"},
      {"LEN (A$)", "Identificateur inconnu"},
      {"LEN(N)", "ce n'est pas un string"},
      {"ABS(ZZ)", "Identificateur ZZ inconnu"},
      {"ABS($FF)", "Identificateur $FF inconnu"},  // an operand, not a number term
      {R"(LEN("abc)", "chaine sans fin"},  // the last character is taken for ")"
  };
  Echecs(EvalEntier, cas);
}

TEST_F(Fonctions, RealFunctions) {
  const std::string racine2 = Reel6(std::sqrt(2.0L));
  const std::string e = Reel6(std::exp(1.0L));
  const std::string sin1 = Reel6(std::sin(1.0L));
  const std::string log10 = Reel6(std::log(10.0L));
  const Cas cas[] = {
      {"SQR(16)", "4"},
      {"SQR(X(2))", "1.5"},
      {"SQR(I)", racine2.c_str()},  // an INTEGER argument converts
      {"SQR(2)", racine2.c_str()},
      {"SIN(0)", "0"},
      {"SIN(1)", sin1.c_str()},
      {"COS(0)", "1"},
      {"LOG(1)", "0"},
      {"LOG(10)", log10.c_str()},
      {"EXP(0)", "1"},
      {"EXP(1)", e.c_str()},
      {"EXP(-100)", "0"},  // below the smallest 6-byte real
      {"ABS(-2.5)", "2.5"},
      {"ABS(X) + 1", "1.5"},
      {"abs(n)", "3"},
  };
  Valeurs(EvalReel, cas);
}

TEST_F(Fonctions, RealFunctionFailures) {
  const Cas cas[] = {
      {"SQR(-1)", "erreur dans nombre -1"},
      {"LOG(0)", "erreur dans nombre 0"},
      {"LOG(-1)", "erreur dans nombre -1"},
      {"EXP(89)", "erreur dans nombre 89"},
      {R"(ABS("x"))", "erreur dans nombre x"},
      {R"(SIN("1.5.2"))", "erreur dans nombre 1.5.2"},
      {"SQR(1E5)", "Expression incorrecte"},
      {"RND(1)", "Identificateur inconnu"},
      {"TAN(1)", "Identificateur inconnu"},
      {"SQR(MODE)", "Identificateur  inconnu"},  // split at MOD: "SQR(" has an empty argument
  };
  Echecs(EvalReel, cas);
  EXPECT_EQ(TexteVersReel(Evalue(EvalReel, "EXP(88)"), '.'), ArrondiReel6(std::exp(88.0L)));
}

TEST_F(Fonctions, StringFunctions) {
  it.TexteParametres = "param";
  const Cas cas[] = {
      {R"(MID$("abcdef",2,3))", "bcd"},
      {R"(MID$("abcdef",2))", ""},  // one comma only
      {R"(MID$("abcdef",0,2))", "ab"},
      {R"(MID$("abcdef",-5,2))", "ab"},
      {R"(MID$("abcdef",9,2))", ""},
      {R"(MID$("abcdef",2,0))", ""},
      {R"(MID$("abcdef",2,-1))", ""},
      {R"(MID$(A$,I,100))", "bcdef"},
      {R"(MID$(abc))", "abc"},  // no comma: the argument text
      {R"(LEFT$("abc",0))", ""},
      {R"(LEFT$("abcdef",2))", "ab"},
      {R"(LEFT$("abc",9))", "abc"},
      {R"(LEFT$(A$,I))", "ab"},
      {R"(RIGHT$("abc",-1))", ""},
      {R"(RIGHT$("abc",9))", "abc"},
      {R"(RIGHT$(A$,2))", "ef"},
      {R"(LEFT$(abc))", "ab"},  // no comma: the argument text less its last character
      {R"(RIGHT$(abc))", "ab"},
      {"CHR$(65)", "A"},
      {"CHR$(321)", "A"},  // modulo 256
      {"CHR$(-191)", "A"},
      {"CHR$(233)", "é"},
      {R"(UCASE$("abc été"))", "ABC éTé"},
      {R"(LCASE$("ABC ÉTÉ"))", "abc ÉtÉ"},
      {"UCASE$(S$)", "éTé"},
      {"SPACE$(3)", "   "},
      {"SPACE$(0)", ""},
      {"SPACE$(-2)", ""},
      {R"(SPACE$(2) + "x")", "  x"},
      {R"(STRING$(3,"xy"))", "xxx"},
      {"STRING$(3)", "3"},  // no comma: the argument text
      {R"(STRING$(0,"x"))", ""},
      {R"(STRING$(3,""))", ""},
      {"STRING$(I,S$)", "éé"},
      {"STR$(007)", "007"},
      {"STR$(X)", "0.5"},
      {"STR$(N)", "-3"},
      {"HEX$(255)", "FF"},
      {"HEX$(0)", ""},
      {"HEX$(-1)", "FFFFFFFF"},
      {"HEX$(-2147483648)", "80000000"},
      {"T$(I)", "deux"},
      {"t$(2)", "deux"},
      {"COMMAND$", "param"},
  };
  Valeurs(EvalChaine, cas);
}

TEST_F(Fonctions, LeftAndRightReadTheirCountFromThreeCharacters) {
  banc.Pose("B$", std::string(400, 'a') + std::string(100, 'z'));
  EXPECT_EQ(Evalue(EvalChaine, "LEFT$(B$,1000)"), std::string(100, 'a'));
  EXPECT_EQ(Evalue(EvalChaine, "RIGHT$(B$,100)"), std::string(100, 'z'));
  // RIGHT$ keeps at most 255 characters from its start position.
  EXPECT_EQ(Evalue(EvalChaine, "RIGHT$(B$,300)"), std::string(200, 'a') + std::string(55, 'z'));
  EXPECT_EQ(it.Etat, kContinue);
  EXPECT_EQ(Echec(EvalChaine, "LEFT$(B$,MODE)"), "Identificateur MOD inconnu");
}

TEST_F(Fonctions, StringFunctionFailures) {
  const Cas cas[] = {
      {R"(LEFT$("abc", 5))", "Identificateur  5 inconnu"},  // a blank after the comma
      {R"(LEFT$("abc","x"))", "Erreur dans expression"},
      {R"(RIGHT$("abc",1.5))", "Erreur dans expression"},
      {R"(LEFT$(ZZ$,2))", "Variable ZZ$ n'existe pas"},
      {R"(MID$("abc","a",2))", "Erreur dans expression"},
      {R"(MID$("abc",1,"a"))", "Erreur dans expression"},
      {R"(MID$(N,1,2))", "ce n'est pas un string"},
      {R"(CHR$("x"))", "Erreur de conversion"},
      {"SPACE$(1.5)", "Erreur de conversion"},
      {"SPACE$(2000000000)", "Trop de variables"},
      {"SPACE$(100000001)", "Trop de variables"},
      {R"(STRING$("a","x"))", "Erreur dans expression"},
      {R"(STRING$(2147483647,"x"))", "Trop de variables"},
      {R"(STRING$(2,zz))", "Variable zz n'existe pas"},
      {R"(STR$("abc"))", "Erreur de conversion"},
      {"STR$(1-2)", "Erreur de conversion"},
      {R"(HEX$("x"))", "Erreur de conversion"},
      {"HEX$(2.5)", "Erreur de conversion"},
      {"UCASE$(N)", "ce n'est pas un string"},
      {"FOO$(1)", "Identificateur inconnu"},
      {"X(2)", "erreur de type"},
      {"ZZ$", "Variable ZZ$ n'existe pas"},
  };
  Echecs(EvalChaine, cas);
}

TEST_F(Fonctions, StrAndRealTextsFollowTheDecimalSeparator) {
  it.SeparateurDecimal = ',';
  banc.Pose("X", "0,5");
  EXPECT_EQ(Evalue(EvalChaine, "STR$(X)"), "0,5");
  EXPECT_EQ(Evalue(EvalEntier, "INT(X)"), "0");
  EXPECT_EQ(Echec(EvalEntier, "INT(2.5)"), "erreur dans nombre 2.5");
  EXPECT_EQ(Echec(EvalChaine, "STR$(2,5)"), "Expression incorrecte");
}

}  // namespace
}  // namespace korvane::test
