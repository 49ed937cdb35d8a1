#include <gtest/gtest.h>

#include <algorithm>

#include "BancEditeur.h"
#include "ide/FichierSource.h"
#include "ide/TEditeur.h"
#include "interpreter/Interpreteur.h"
#include "support/Banc.h"
#include "support/FichiersSource.h"

namespace korvane::test {
namespace {

QByteArray EnQByteArray(const std::string& octets) {
  return QByteArray(octets.data(), static_cast<qsizetype>(octets.size()));
}

class FichierSourceEditeur : public ::testing::Test {
 protected:
  QTemporaryDir Dossier;
  FauxDialogues Dialogues;
  MessagesNotes Messages;
  TEditeur Fenetre{{Dialogues, Messages, {}}};
  QString Chemin = Dossier.filePath(QStringLiteral("prog.bas"));
};

TEST_F(FichierSourceEditeur, OpensEveryEncodingAndLineEndRunsThemAndSavesTheSameBytes) {
  QStringList attendues;
  for (const std::string& ligne : kLignesSource) attendues << QString::fromStdString(ligne);
  for (const CasFichierSource& c : kCasFichierSource) {
    SCOPED_TRACE(c.Nom);
    EcritOctets(Chemin, EnQByteArray(c.Octets));
    ASSERT_TRUE(Fenetre.OpenFile(Chemin)) << Messages.Textes.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(Fenetre.Memo1()->toPlainText(), attendues.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    EXPECT_EQ(Fenetre.Format(), c.Format);

    FauxMonde monde;
    Interpreteur interpreteur(monde.Monde());
    int debut = 0, resultat = 0;
    interpreteur.Exec(Fenetre.TexteProgramme(), debut, resultat, 0);
    EXPECT_TRUE(monde.Messages.Textes.empty());
    EXPECT_TRUE(std::ranges::any_of(monde.Ecran.Appels, [](const std::string& appel) {
      return appel.starts_with("texte ") && appel.ends_with(" " + Cp("été"));
    }));

    Fenetre.Memo1()->document()->setModified(true);
    ASSERT_TRUE(Fenetre.Enregistrer());
    EXPECT_EQ(LitOctets(Chemin), EnQByteArray(c.Reecrit));
  }
}

TEST_F(FichierSourceEditeur, CharactersOutsideTheCommonSetComeBackUnchanged) {
  const QByteArray cas[] = {
      "REM \xC2\xA0 insecable\r\n",       // no-break space
      "REM \xE2\x80\xA8 separateur\r\n",  // line separator, kept inside its line
      "REM \xEF\xBF\xBC objet\r\n",       // object replacement character
      "REM \x0C\x01 controles\r\n",
      "REM \x81\x8D\x8F\x90\x9D\r\n",      // bytes Windows-1252 leaves undefined
      "REM \xF0\x9F\x98\x80 \xEF\xBF\xBE\r\n",  // outside the basic plane, a noncharacter
  };
  for (const QByteArray& octets : cas) {
    SCOPED_TRACE(octets.toStdString());
    EcritOctets(Chemin, octets);
    ASSERT_TRUE(Fenetre.OpenFile(Chemin)) << Messages.Textes.join(QLatin1Char('\n')).toStdString();
    Fenetre.Memo1()->document()->setModified(true);
    ASSERT_TRUE(Fenetre.Enregistrer());
    EXPECT_EQ(LitOctets(Chemin), octets);
  }
}

TEST(FichierSource, ALineWindows1252CannotStoreMakesTheFileUtf8) {
  QTemporaryDir dossier;
  const QString chemin = dossier.filePath(QStringLiteral("prog.bas"));
  QString raison;
  EXPECT_EQ(EnregistreSource(chemin, {"€", "Erdős"}, {Encodage::Windows1252, false}, raison),
            (FormatSource{Encodage::Utf8, false}));
  EXPECT_EQ(LitOctets(chemin), QByteArray("\xE2\x82\xAC\r\nErd\xC5\x91s\r\n"));
}

}  // namespace
}  // namespace korvane::test
