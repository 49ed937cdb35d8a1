#include "ide/TAide.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include <filesystem>
#include <string>
#include <vector>

#include "interpreter/Interpreteur.h"
#include "support/Banc.h"
#include "support/Dossier.h"

namespace korvane {
namespace {

using namespace test;

struct Exemple {
  QString Page;
  std::string Texte;  // UTF-8, one program line per text line
};

// Every <pre class="exemple"> block of every page, its entities decoded.
std::vector<Exemple> Exemples() {
  static const QRegularExpression bloc(QStringLiteral("<pre class=\"exemple\">(.*?)</pre>"),
                                       QRegularExpression::DotMatchesEverythingOption);
  std::vector<Exemple> exemples;
  for (const QString& page : TAide::Pages()) {
    QFile fichier(page);
    EXPECT_TRUE(fichier.open(QIODevice::ReadOnly)) << page.toStdString();
    const QString html = QString::fromUtf8(fichier.readAll());
    for (const QRegularExpressionMatch& m : bloc.globalMatch(html)) {
      QString texte = m.captured(1);
      texte.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
          .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
          .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
      exemples.push_back({page, texte.toStdString()});
    }
  }
  return exemples;
}

std::vector<std::string> Lignes(const std::string& texte) {
  std::vector<std::string> lignes;
  std::size_t debut = 0;
  for (std::size_t fin; (fin = texte.find('\n', debut)) != std::string::npos; debut = fin + 1)
    lignes.push_back(Cp(texte.substr(debut, fin - debut)));
  lignes.push_back(Cp(texte.substr(debut)));
  return lignes;
}

TEST(TAide, EveryExampleRunsToItsEndWithoutAMessage) {
  const std::vector<Exemple> exemples = Exemples();
  EXPECT_GE(exemples.size(), 50u);
  const DossierTemporaire dossier;
  const auto depart = std::filesystem::current_path();
  for (const Exemple& exemple : exemples) {
    SCOPED_TRACE(exemple.Page.toStdString() + "\n" + exemple.Texte);
    std::filesystem::current_path(dossier.Chemin());
    FauxEcran ecran;
    FausseSaisie saisie;
    saisie.Reponses = {"7", "7"};
    FauxMessages messages;
    FausseImprimante imprimante;
    FausseHorloge horloge;
    FauxClavier clavier;
    clavier.Touches = {"a"};
    clavier.ArretApres = 100000;  // a loop that never ends stops, and fails below
    Interpreteur interpreteur({ecran, saisie, messages, imprimante, horloge, clavier});
    const FauxProgramme programme(Lignes(exemple.Texte));
    int debut = 0, resultat = 0;
    const int pas = 0;
    EXPECT_NO_THROW(interpreteur.Exec(programme, debut, resultat, pas));
    EXPECT_TRUE(interpreteur.CloseAll());
    EXPECT_EQ(resultat, 0);
    // MSGBOX is the one statement whose box is expected.
    const bool msgbox = exemple.Texte.starts_with("MSGBOX");
    EXPECT_EQ(messages.Textes, msgbox ? std::vector<std::string>{"Bonjour"} : std::vector<std::string>{});
    EXPECT_TRUE(std::filesystem::is_empty(dossier.Chemin()));  // examples clean up after themselves
  }
  std::filesystem::current_path(depart);
}

TEST(TAide, TheThreeRequestsOpenTheirTabAndPage) {
  TAide aide;
  aide.Recherche()->setText(QStringLiteral("FOR"));
  aide.HContents();
  EXPECT_TRUE(aide.isVisible());
  EXPECT_EQ(aide.Onglets()->currentWidget(), aide.Sommaire());
  EXPECT_EQ(aide.Page()->source().fileName(), QStringLiteral("sommaire.html"));
  aide.HSearch();
  EXPECT_EQ(aide.Onglets()->currentIndex(), 1);
  EXPECT_TRUE(aide.Recherche()->text().isEmpty());
  EXPECT_FALSE(aide.Index()->item(0)->isHidden());
  aide.HowToUse();
  EXPECT_EQ(aide.Page()->source().fileName(), QStringLiteral("utiliser.html"));
  EXPECT_TRUE(aide.Page()->toPlainText().contains(QStringLiteral("Utiliser l'aide")));
}

TEST(TAide, TheIndexListsEveryKeywordAndShowsItsPage) {
  TAide aide;
  for (const char* mot :
       {"DIM",    "AS",      "INTEGER", "REAL",     "STRING", "REM",     "'",      "NOP",    "END",     "RANDOMIZE",
        "GOTO",   "GOSUB",   "RETURN",  "CALL",     "SUB",    "END SUB", "EXIT SUB", "EXIT FOR", "EXIT WHILE",
        "EXIT DO", "IF",     "THEN",    "ELSE",     "ENDIF",  "END IF",  "FOR",    "TO",     "STEP",    "NEXT",
        "WHILE",  "WEND",    "DO",      "LOOP",     "NOT EOF", "MOD",    "ABS",    "INT",    "ASC",     "VAL",
        "INSTR",  "LEN",     "RND",     "SQR",      "SIN",    "COS",     "LOG",    "EXP",    "TIME$",   "DATE$",
        "COMMAND$", "LEFT$", "RIGHT$",  "MID$",     "CHR$",   "UCASE$",  "LCASE$", "SPACE$", "STRING$", "STR$",
        "HEX$",   "INKEY$",  "CLS",     "PRINT",    "LOCATE", "COLOR",   "LINE",   "INPUT",  "OPEN",    "CLOSE#",
        "PRINT#", "LINE INPUT#", "LPRINT", "MSGBOX", "KILL",  "MKDIR",   "RMDIR",  "CHDIR"}) {
    SCOPED_TRACE(mot);
    const auto trouves = aide.Index()->findItems(QString::fromUtf8(mot), Qt::MatchExactly);
    ASSERT_EQ(trouves.size(), 1);
    emit aide.Index()->itemClicked(trouves.front());
    const QUrl adresse = aide.Page()->source();
    EXPECT_FALSE(aide.Page()->toPlainText().isEmpty());
    if (adresse.hasFragment()) {
      EXPECT_TRUE(aide.Page()->toHtml().contains(QStringLiteral("name=\"%1\"").arg(adresse.fragment())));
    }
  }
}

TEST(TAide, TheSearchFieldKeepsTheKeywordsThatContainIt) {
  TAide aide;
  aide.HSearch();
  const struct {
    const char* Texte;
    int Visibles;
  } cas[] = {{"mid$", 1}, {"PRINT", 3}, {"zzz", 0}, {"", aide.Index()->count()}};
  for (const auto& c : cas) {
    SCOPED_TRACE(c.Texte);
    aide.Recherche()->setText(QString::fromUtf8(c.Texte));
    int visibles = 0;
    for (int i = 0; i < aide.Index()->count(); ++i)
      if (!aide.Index()->item(i)->isHidden()) ++visibles;
    EXPECT_EQ(visibles, c.Visibles);
  }
}

}  // namespace
}  // namespace korvane
