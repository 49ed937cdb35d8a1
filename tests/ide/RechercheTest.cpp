#include <gtest/gtest.h>

#include <optional>
#include <random>
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

// A text, its selection (the caret at its end, or where the selection left it) and whether a
// "Remplacer" reports the text not found.
struct Etat {
  std::string Tampon;
  std::size_t Debut;
  std::size_t Longueur;
  bool NonTrouve;
  friend bool operator==(const Etat&, const Etat&) = default;
};

// The editor's way before the replacements were computed in one pass: replace in the whole
// text, then search the whole text again, one match at a time.
Etat RemplaceUnParUn(std::string tampon, std::size_t debut, std::size_t longueur, std::string_view texte,
                     std::string_view par, const OptionsRecherche& options, bool tout) {
  std::optional<std::size_t> insere;
  const auto remplace = [&] {
    tampon.replace(debut, longueur, par);
    insere = debut;
    debut += par.size();
    longueur = 0;
  };
  const auto cherche = [&] {
    const auto trouve = ChercheDansTampon(tampon, debut, longueur, texte, options);
    if (trouve) debut = *trouve, longueur = texte.size();
    return trouve.has_value();
  };
  if (MemeTexteSansCasse(tampon.substr(debut, longueur), texte)) remplace();
  bool trouve = cherche();
  while (trouve && tout && (options.Bas || !insere || debut < *insere)) {
    remplace();
    trouve = cherche();
  }
  return {tampon, debut, longueur, !trouve && !tout};
}

Etat AppliqueRemplacements(std::string tampon, std::size_t debut, std::size_t longueur, std::string_view texte,
                           std::string_view par, const OptionsRecherche& options, bool tout) {
  const Remplacements r = CalculeRemplacements(tampon, debut, longueur, texte, par, options, tout);
  for (const std::size_t position : r.Positions) tampon.replace(position, texte.size(), par);
  if (r.Selection) return {tampon, *r.Selection, texte.size(), false};
  if (r.Positions.empty()) return {tampon, debut, longueur, !tout};
  return {tampon, r.Positions.back() + par.size(), 0, !tout};
}

TEST(CalculeRemplacements, AgreesWithReplacingOneMatchAtATimeInTheWholeText) {
  // Few letters, so that matches are many, touch and form across replacements.
  const std::string lettres = Cp("aaAAb  \né");
  std::mt19937 hasard(2026);
  const auto tire = [&](std::size_t max) { return std::uniform_int_distribution<std::size_t>(0, max)(hasard); };
  const auto mot = [&](std::size_t max) {
    std::string m;
    for (std::size_t n = tire(max); n > 0; --n) m += lettres[tire(lettres.size() - 1)];
    return m;
  };
  for (int essai = 0; essai < 20000; ++essai) {
    const std::string tampon = mot(24);
    // Most texts are taken from the text itself.
    const std::size_t depuis = tire(tampon.size());
    const std::string texte = tire(3) > 0 ? tampon.substr(depuis, 1 + tire(1)) : mot(3);
    const std::string avant = mot(1);
    const std::string par = tire(2) == 0 ? avant + texte + mot(1) : mot(3);
    const OptionsRecherche options{.Bas = tire(1) == 0, .MotEntier = tire(1) == 0, .RespecterCasse = tire(1) == 0};
    const bool tout = tire(3) > 0;
    const std::size_t debut = tire(tampon.size());
    // Half of the selections are as long as the text, to be replaced when they match.
    const std::size_t longueur =
        tire(1) == 0 ? std::min(texte.size(), tampon.size() - debut) : tire(tampon.size() - debut);
    ASSERT_EQ(AppliqueRemplacements(tampon, debut, longueur, texte, par, options, tout),
              RemplaceUnParUn(tampon, debut, longueur, texte, par, options, tout))
        << "essai " << essai << " : \"" << tampon << "\" [" << debut << ", +" << longueur << "] \"" << texte
        << "\" -> \"" << par << "\" bas " << options.Bas << " mot " << options.MotEntier << " casse "
        << options.RespecterCasse << " tout " << tout;
  }
}

}  // namespace
}  // namespace korvane::test
