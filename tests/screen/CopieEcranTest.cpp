// The run window's context menu keeps what a program drew: on the clipboard or in a PNG file.
#include "screen/CopieEcran.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "screen/BancQt.h"

namespace korvane::test {
namespace {

// Answers as told and records the questions.
class FauxDialoguesEcran : public DialoguesEcran {
 public:
  QString NomEnregistrement(QWidget*, const QString& filtre, const QString& nom) override {
    Filtres << filtre + QLatin1Char(' ') + nom;
    return Fichier;
  }
  bool Remplacement(QWidget*, const QString& texte) override {
    Questions << texte;
    return Remplace;
  }

  QString Fichier;  // empty: the user cancels
  bool Remplace = false;
  QStringList Filtres, Questions;
};

class CopieEcranTest : public BancQt {
 protected:
  CopieEcranTest() { Lance({"PRINT \"HH\"", "LINE (10,40)-(60,80),B"}); }

  QByteArray Octets(const QString& chemin) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
  }
  // The picture as the window shows it, whatever its pixel format.
  QImage Vue() { return Hote.Fenetre().Image().convertToFormat(QImage::Format_RGB32); }

  FauxDialoguesEcran Dialogues;
  CopieEcran Copie{Hote.Fenetre(), Dialogues, Messages};
  QTemporaryDir Dossier;
};

TEST_F(CopieEcranTest, TheContextMenuCopiesThePictureShownToTheClipboard) {
  TForm3& fenetre = Hote.Fenetre();
  EXPECT_EQ(fenetre.contextMenuPolicy(), Qt::ActionsContextMenu);
  QStringList textes;
  for (const QAction* action : fenetre.actions()) textes << action->text();
  ASSERT_EQ(textes, QStringList({"Copier l'écran", "Enregistrer l'écran..."}));

  QGuiApplication::clipboard()->clear();
  fenetre.actions().front()->trigger();
  const QImage copiee = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(copiee.size(), fenetre.size() * fenetre.devicePixelRatio());
  EXPECT_FALSE(Encre(copiee, Qt::black).isEmpty());
  EXPECT_EQ(copiee, Vue());
}

TEST_F(CopieEcranTest, SavingWritesThePictureAsPngAddingTheExtension) {
  Dialogues.Fichier = Dossier.filePath(QStringLiteral("sortie"));
  Hote.Fenetre().actions().back()->trigger();
  EXPECT_EQ(Dialogues.Filtres, QStringList({"Images PNG (*.png)|*.png ecran.png"}));
  QImage lue;
  ASSERT_TRUE(lue.loadFromData(Octets(Dialogues.Fichier + QStringLiteral(".png")), "PNG"));
  EXPECT_EQ(lue.convertToFormat(QImage::Format_RGB32), Vue());
  EXPECT_TRUE(Dialogues.Questions.isEmpty());
  EXPECT_TRUE(Messages.Textes.empty());
}

TEST_F(CopieEcranTest, AnExistingFileIsReplacedOnlyWhenTheUserSaysSo) {
  Dialogues.Fichier = Dossier.filePath(QStringLiteral("ancien.png"));
  QFile ancien(Dialogues.Fichier);
  ASSERT_TRUE(ancien.open(QIODevice::WriteOnly));
  ancien.write("ancien");
  ancien.close();

  EXPECT_FALSE(Copie.Enregistrer());
  EXPECT_EQ(Octets(Dialogues.Fichier), QByteArray("ancien"));
  EXPECT_EQ(Dialogues.Questions, QStringList(QuestionRemplacement(Dialogues.Fichier)));

  Dialogues.Remplace = true;
  EXPECT_TRUE(Copie.Enregistrer());
  EXPECT_TRUE(Octets(Dialogues.Fichier).startsWith("\x89PNG"));
}

TEST_F(CopieEcranTest, ACancelWritesNothingAndAFailureIsTold) {
  EXPECT_FALSE(Copie.Enregistrer());
  EXPECT_TRUE(Messages.Textes.empty());

  // Its folder is a file: no one can write there, root included.
  const QString fichier = Dossier.filePath(QStringLiteral("fichier"));
  QFile bloque(fichier);
  ASSERT_TRUE(bloque.open(QIODevice::WriteOnly));
  bloque.close();
  Dialogues.Fichier = fichier + QStringLiteral("/ecran.png");
  EXPECT_FALSE(Copie.Enregistrer());
  ASSERT_EQ(Messages.Textes.size(), 1u);
  EXPECT_TRUE(QString::fromStdString(Messages.Textes[0])
                  .startsWith(QStringLiteral("Impossible d'enregistrer « %1 » : ").arg(Dialogues.Fichier)))
      << Messages.Textes[0];
}

}  // namespace
}  // namespace korvane::test
