#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "base/Texte.h"
#include "ide/Recherche.h"
#include "support/NomDeCas.h"

namespace korvane::test {
namespace {

// A text marked with its selection: "[...]" around the selected characters, or "|" at the caret.
struct TexteMarque {
  std::string Tampon;
  std::size_t Debut = 0;
  std::size_t Longueur = 0;
};

TexteMarque Lit(std::string_view marque) {
  TexteMarque t;
  for (const char c : Cp(marque)) {
    if (c == '[' || c == '|')
      t.Debut = t.Tampon.size();
    else if (c == ']')
      t.Longueur = t.Tampon.size() - t.Debut;
    else
      t.Tampon += c;
  }
  return t;
}

constexpr OptionsRecherche kBas{};
constexpr OptionsRecherche kHaut{.Bas = false};
constexpr OptionsRecherche kCasse{.RespecterCasse = true};
constexpr OptionsRecherche kMot{.MotEntier = true};
constexpr OptionsRecherche kMotHaut{.Bas = false, .MotEntier = true};

struct CasRecherche {
  const char* nom;
  const char* avant;  // the text and its selection
  const char* texte;
  OptionsRecherche options;
  const char* apres;  // the match as the new selection, or nullptr for none
};

const CasRecherche kCas[] = {
    {"down from the caret", "|un deux trois", "deux", kBas, "un [deux] trois"},
    {"down starts after the selection", "[Print] PRINT print", "print", kBas, "Print [PRINT] print"},
    {"down finds the text at the very end", "|ab cd", "cd", kBas, "ab [cd]"},
    {"down finds nothing after the caret", "ab cd|", "ab", kBas, nullptr},
    {"down with the text larger than what is left", "ab c|d", "cd", kBas, nullptr},
    {"up from the caret", "ab cd ab|", "ab", kHaut, "ab cd [ab]"},
    {"up starts before the selection and finds the start", "ab cd [ab]", "ab", kHaut, "[ab] cd ab"},
    {"up with no room before the caret", "a|bc", "ab", kHaut, nullptr},
    {"up never finds the selection itself", "x[aa]", "aa", kHaut, nullptr},
    {"without case letters of any case match", "|Print PRINT print", "pRINT", kBas, "[Print] PRINT print"},
    {"with case only the same letters match", "|Print PRINT print", "print", kCasse, "Print PRINT [print]"},
    {"without case accented letters match their capitals", "|ici été ÉTÉ", "ÉTÉ", kBas, "ici [été] ÉTÉ"},
    {"with case accented letters keep their case", "|ici été ÉTÉ", "ÉTÉ", kCasse, "ici été [ÉTÉ]"},
    {"without case oe and y with diaeresis match", "|cœur ÿ", "CŒUR Ÿ", kBas, "[cœur ÿ]"},
    {"sharp s has no capital", "|straße", "STRASSE", kBas, nullptr},
    {"a line break is one character", "ab\n|cd\nab", "AB", kHaut, "[ab]\ncd\nab"},
    {"whole word from a word start finds the next one", "|AB = AB + 1", "AB", kMot, "AB = [AB] + 1"},
    {"whole word skips a longer word", "|x ABC AB", "AB", kMot, "x ABC [AB]"},
    {"whole word skips a word ended by a digit", "|x AB1 AB", "AB", kMot, "x AB1 [AB]"},
    {"whole word skips a word's tail", "|x CAB AB", "AB", kMot, "x CAB [AB]"},
    {"whole word takes accented letters for delimiters", "|x éAB", "AB", kMot, "x é[AB]"},
    {"whole word across a line break", "|x\nAB", "ab", kMot, "x\n[AB]"},
    {"whole word never matches a text starting with a delimiter", "|x  AB", " AB", kMot, nullptr},
    {"whole word up from after the word", "x AB ABC|", "AB", kMotHaut, "x [AB] ABC"},
    {"whole word up from inside a word", "x AB A|BC", "AB", kMotHaut, "x [AB] ABC"},
    {"whole word up uses its last candidate on the first word", "AB x|", "AB", kMotHaut, nullptr},
    {"empty text", "|ab", "", kBas, nullptr},
    {"empty buffer", "|", "ab", kBas, nullptr},
};

class ChercheDansTamponTest : public testing::TestWithParam<CasRecherche> {};

TEST_P(ChercheDansTamponTest, FindsTheFirstCandidateThatMatches) {
  const CasRecherche& cas = GetParam();
  const TexteMarque avant = Lit(cas.avant);
  const auto trouve = ChercheDansTampon(avant.Tampon, avant.Debut, avant.Longueur, Cp(cas.texte), cas.options);
  if (cas.apres == nullptr) {
    EXPECT_EQ(trouve, std::nullopt);
    return;
  }
  const TexteMarque apres = Lit(cas.apres);
  ASSERT_EQ(apres.Tampon, avant.Tampon);
  EXPECT_EQ(trouve, apres.Debut);
}

INSTANTIATE_TEST_SUITE_P(Recherche, ChercheDansTamponTest, testing::ValuesIn(kCas),
                         [](const auto& info) { return NomDeCas(info.index, info.param.nom); });

TEST(Recherche, DelimitersAreAllButDigitsAndAsciiLetters) {
  std::string mots;
  for (int c = 0; c < 256; ++c)
    if (!EstDelimiteur(static_cast<char>(c))) mots += static_cast<char>(c);
  EXPECT_EQ(mots, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
}

}  // namespace
}  // namespace korvane::test
