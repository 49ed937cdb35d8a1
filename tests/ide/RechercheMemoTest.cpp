#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTextCursor>
#include <vector>

#include "base/Texte.h"
#include "ide/Controles.h"
#include "ide/RechercheMemo.h"
#include "screen/TexteQt.h"
#include "support/Banc.h"
#include "support/NomDeCas.h"

namespace korvane::test {
namespace {

// The memo's text and selection: "[...]" around the selected characters, or "|" at the caret.
void Pose(QPlainTextEdit& memo, const QString& marque) {
  QString texte;
  int debut = 0, fin = -1;
  for (const QChar c : marque) {
    if (c == '[' || c == '|')
      debut = static_cast<int>(texte.size());
    else if (c == ']')
      fin = static_cast<int>(texte.size());
    else
      texte += c;
  }
  memo.setPlainText(texte);
  QTextCursor curseur(memo.document());
  curseur.setPosition(debut);
  curseur.setPosition(fin < 0 ? debut : fin, QTextCursor::KeepAnchor);
  memo.setTextCursor(curseur);
}

QString Marque(const QPlainTextEdit& memo) {
  const QTextCursor curseur = memo.textCursor();
  QString texte = memo.toPlainText();
  if (!curseur.hasSelection()) return texte.insert(curseur.position(), '|');
  // The caret stands at the end of a match.
  if (curseur.position() != curseur.selectionEnd()) return "caret before the selection";
  return texte.insert(curseur.selectionEnd(), ']').insert(curseur.selectionStart(), '[');
}

class RechercheMemoTest : public testing::Test {
 protected:
  QPlainTextEdit Memo;
  FauxMessages Messages;
  TRechercheMemo Recherche{Memo, Messages};
};

constexpr OptionsRecherche kBas{};
constexpr OptionsRecherche kHaut{.Bas = false};
constexpr OptionsRecherche kMot{.MotEntier = true};
constexpr OptionsRecherche kCasse{.RespecterCasse = true};

struct CasFind {
  const char* nom;
  const char* avant;
  const char* texte;
  OptionsRecherche options;
  const char* apres;
  const char* message;  // nullptr: none
};

const CasFind kFind[] = {
    {"the match is selected on its own line", "DIM X\n|PRINT X\nPRINT Y", "print", kBas, "DIM X\n[PRINT] X\nPRINT Y",
     nullptr},
    {"going up across lines", "DIM X\nPRINT X\nPRINT Y|", "dim", kHaut, "[DIM] X\nPRINT X\nPRINT Y", nullptr},
    {"positions after a character outside the basic plane", "😀 été|\nÉTÉ", "été", kBas, "😀 été\n[ÉTÉ]", nullptr},
    {"accented capitals with case", "|Été ÉTÉ", "ÉTÉ", kCasse, "Été [ÉTÉ]", nullptr},
    {"whole word from a word start", "|X = X + 1", "x", kMot, "X = [X] + 1", nullptr},
    {"not found keeps the selection", "[ab] cd", "xy", kBas, "[ab] cd", "Chaîne rechechée \"xy\" non trouvée"},
    {"an empty text is not found", "|ab", "", kBas, "|ab", "Chaîne rechechée \"\" non trouvée"},
    {"nothing is found in an empty memo", "|", "ab", kBas, "|", "Chaîne rechechée \"ab\" non trouvée"},
};

class FindTest : public RechercheMemoTest, public testing::WithParamInterface<CasFind> {};

TEST_P(FindTest, SelectsTheMatchOrReportsIt) {
  const CasFind& cas = GetParam();
  Pose(Memo, QString::fromUtf8(cas.avant));
  Recherche.Find(QString::fromUtf8(cas.texte), cas.options);
  EXPECT_EQ(Marque(Memo), QString::fromUtf8(cas.apres));
  EXPECT_EQ(Messages.Textes, cas.message ? std::vector<std::string>{cas.message} : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(RechercheMemo, FindTest, testing::ValuesIn(kFind),
                         [](const auto& info) { return NomDeCas(info.index, info.param.nom); });

struct CasReplace {
  const char* nom;
  const char* avant;
  const char* texte;
  const char* par;
  OptionsRecherche options;
  bool tout;
  const char* apres;
  const char* message;
};

constexpr const char* kNonTrouve = "Chaîne recherchée \"ab\"non trouvée";

const CasReplace kReplace[] = {
    {"replaces the selection and selects the next", "[ab] x ab", "ab", "cd", kBas, false, "cd x [ab]", nullptr},
    {"a selection of another text is only searched from", "[x] ab", "ab", "cd", kBas, false, "x [ab]", nullptr},
    {"the selection is compared without case even with case", "[AB] ab", "ab", "cd", kCasse, false, "cd [ab]",
     nullptr},
    {"the last one replaced reports the end", "[ab] x", "ab", "cd", kBas, false, "cd| x", kNonTrouve},
    {"none left reports the end", "|x", "ab", "cd", kBas, false, "|x", kNonTrouve},
    {"all down", "|ab AB ab", "ab", "cd", kBas, true, "cd cd cd|", nullptr},
    {"all with none left says nothing", "|x", "ab", "cd", kBas, true, "|x", nullptr},
    {"all whole words from a word start", "|ab abc ab", "ab", "cd", kMot, true, "ab abc cd|", nullptr},
    {"all up", "ab ab|", "ab", "cd", kHaut, true, "cd| cd", nullptr},
    {"all up replaces what the replacements bring together", "AAAB|", "ab", "b", kHaut, true, "b|", nullptr},
    {"all down with the text inside its replacement", "|a a", "a", "aa", kBas, true, "aa aa|", nullptr},
    {"all up stops at a match inside its own replacement", "x a|", "a", "aa", kHaut, true, "x a[a]", nullptr},
    {"all across lines", "|ab\nab\n", "ab", "c", kBas, true, "c\nc|\n", nullptr},
    {"all whole words across a line separator", "x|\u2028ab abc", "ab", "c", kMot, true, "x\nc| abc", nullptr},
    {"all with a carriage return and line feed put in as one break", "|ab ab", "ab", "x\r\ny", kBas, true,
     "x\ny x\ny|", nullptr},
    {"all up with a character outside the basic plane put in", "a a|", "a", "😀", kHaut, true, "😀| 😀", nullptr},
};

class ReplaceTest : public RechercheMemoTest, public testing::WithParamInterface<CasReplace> {};

TEST_P(ReplaceTest, ReplacesAndSelectsAsTheCommandSays) {
  const CasReplace& cas = GetParam();
  Pose(Memo, QString::fromUtf8(cas.avant));
  Recherche.Replace(QString::fromUtf8(cas.texte), QString::fromUtf8(cas.par), cas.options, cas.tout);
  EXPECT_EQ(Marque(Memo), QString::fromUtf8(cas.apres));
  EXPECT_EQ(Messages.Textes, cas.message ? std::vector<std::string>{cas.message} : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(RechercheMemo, ReplaceTest, testing::ValuesIn(kReplace),
                         [](const auto& info) { return NomDeCas(info.index, info.param.nom); });

TEST_F(RechercheMemoTest, OneUndoTakesBackAWholeReplaceAll) {
  Pose(Memo, "[ab] ab\nx ab");
  Recherche.Replace("ab", "cd", kBas, true);
  ASSERT_EQ(Memo.toPlainText(), "cd cd\nx cd");
  Memo.undo();
  EXPECT_EQ(Memo.toPlainText(), "ab ab\nx ab");
  EXPECT_FALSE(Memo.document()->isUndoAvailable());
}

TEST_F(RechercheMemoTest, ReplaceLeavesAReadOnlyMemoAlone) {
  Pose(Memo, "[ab] ab");
  Memo.setReadOnly(true);
  Recherche.Replace("ab", "cd", kBas, true);
  EXPECT_EQ(Marque(Memo), "[ab] ab");
  EXPECT_TRUE(Messages.Textes.empty());
}

TEST_F(RechercheMemoTest, ContinuerBeforeAnySearchReportsTheEmptyText) {
  Pose(Memo, "|ab");
  Recherche.Continuer();
  EXPECT_EQ(Messages.Textes, std::vector<std::string>{"Chaîne rechechée \"\" non trouvée"});
}

TEST_F(RechercheMemoTest, TheDialogsDriveTheCommands) {
  Pose(Memo, "|ab ab ab");
  Recherche.Chercher();
  TBoiteChercher& chercher = Recherche.FindDialog1();
  EXPECT_TRUE(chercher.isVisible());
  EXPECT_FALSE(chercher.isModal());
  Champ(chercher, "Rechercher :")->setText("AB");
  Controle(chercher, "Suivant")->click();
  EXPECT_EQ(Marque(Memo), "[ab] ab ab");
  Recherche.Continuer();
  EXPECT_EQ(Marque(Memo), "ab [ab] ab");

  Recherche.Remplacer();
  TBoiteRemplacer& remplacer = Recherche.ReplaceDialog1();
  EXPECT_TRUE(remplacer.isVisible());
  EXPECT_FALSE(remplacer.isModal());
  Champ(remplacer, "Rechercher :")->setText("ab");
  Champ(remplacer, "Remplacer par :")->setText("x");
  Controle(remplacer, "Remplacer")->click();
  EXPECT_EQ(Marque(Memo), "ab x [ab]");
  Controle(remplacer, "Suivant")->click();
  EXPECT_EQ(Messages.Textes, std::vector<std::string>{"Chaîne rechechée \"ab\" non trouvée"});
  Controle(remplacer, "Haut")->click();
  Controle(remplacer, "Remplacer tout")->click();
  EXPECT_EQ(Marque(Memo), "x| x x");
}

// One byte for each UTF-16 unit: the one VersCp1252 gives its character, '?' for a surrogate,
// a line break for the line and paragraph separators.
TEST(TamponDocument, EachUnitBecomesItsWindows1252Byte) {
  for (int unite = 0; unite <= 0xFFFF; ++unite) {
    const QChar c(static_cast<char16_t>(unite));
    const std::string attendu = c.isSurrogate() ? "?"
                                : c == QChar::ParagraphSeparator || c == QChar::LineSeparator ? "\n"
                                                                                             : VersCp1252(QString(c));
    ASSERT_EQ(TamponDocument(QString(c)), attendu) << "unité " << unite;
  }
}

// The upper-casing of Windows-1252 agrees with Qt's capitals of the same characters.
TEST(TableMajuscules, EachByteBecomesItsCapitalWhenWindows1252HasIt) {
  const auto table = TableMajuscules();
  for (int octet = 0; octet < 256; ++octet) {
    const QString caractere = DepuisCp1252(std::string(1, static_cast<char>(octet)));
    ASSERT_EQ(caractere.size(), 1);
    bool perte = false;
    const std::string capitale = Utf8VersCp1252(QString(caractere[0].toUpper()).toStdString(), &perte);
    const int attendu = perte ? octet : static_cast<unsigned char>(capitale[0]);
    EXPECT_EQ(table[static_cast<std::size_t>(octet)], attendu) << "octet " << octet;
  }
}

}  // namespace
}  // namespace korvane::test
