#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QRegularExpression>
#include <QSettings>
#include <QTextBlock>
#include <QTextCursor>
#include <QTreeView>
#include <sstream>

#include "BancEditeur.h"
#include "screen/MessagesQt.h"
#include "support/Attente.h"
#include "support/FichiersSource.h"
#include "ide/TEditeur.h"

namespace korvane::test {
namespace {

// The whole text replaced as by the user, which sets the modified flag.
void TapeTout(TEditeur& fenetre, const QString& texte) {
  fenetre.Memo1()->selectAll();
  fenetre.Memo1()->insertPlainText(texte);
}

class Editeur : public ::testing::Test {
 protected:
  QTemporaryDir Dossier;
  FauxDialogues Dialogues;
  MessagesNotes Messages;
  TEditeur Fenetre{{Dialogues, Messages, {.ChercheImprimante = false, .DossierPdf = Dossier.path()}}};

  QString Chemin(const char* nom) const { return Dossier.filePath(QString::fromUtf8(nom)); }
  QString Texte() const { return Fenetre.Memo1()->toPlainText(); }
  void Tape(const QString& texte) { TapeTout(Fenetre, texte); }
  QStringList Pdfs() const { return QDir(Dossier.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files); }
};

TEST_F(Editeur, ANewWindowHoldsTheFourDimLinesWithTheCaretAfterThem) {
  const Programme& programme = Fenetre.TexteProgramme();
  ASSERT_EQ(programme.NbLignes(), 4);
  int caracteres = 0;
  for (int k = 0; k < 4; ++k) caracteres += static_cast<int>(programme.Ligne(k).size()) + 2;
  EXPECT_EQ(programme.Ligne(3), "DIM A(10) AS STRING");
  EXPECT_EQ(caracteres, 71);
  EXPECT_EQ(Fenetre.LigneCurseur(), 4);
  EXPECT_EQ(Fenetre.Memo1()->textCursor().positionInBlock(), 0);
  EXPECT_FALSE(Fenetre.Modifie());
  EXPECT_TRUE(Fenetre.NomFichier().isEmpty());
}

TEST_F(Editeur, RazRemovesTheStepMarkerThatStartsALine) {
  Tape(QStringLiteral("•A\n»B\nC •\n••D\n•\n\nE\n"));
  QTextCursor selection(Fenetre.Memo1()->document()->findBlockByNumber(1));
  selection.setPosition(Fenetre.Memo1()->document()->findBlockByNumber(3).position() + 3, QTextCursor::KeepAnchor);
  Fenetre.Memo1()->setTextCursor(selection);
  Fenetre.Raz();
  EXPECT_EQ(Texte(), QStringLiteral("A\n»B\nC •\n•D\n\n\nE\n"));
  // The selection keeps its characters.
  EXPECT_EQ(Fenetre.Memo1()->textCursor().selectedText(), QStringLiteral("»B\u2029C •\u2029•D"));
  Fenetre.Memo1()->undo();
  EXPECT_EQ(Texte(), QStringLiteral("•A\n»B\nC •\n••D\n•\n\nE\n"));
}

TEST_F(Editeur, SaveAsPutsBasInPlaceOfTheFileNamesExtension) {
  struct Cas {
    QString Choisi, Attendu;
  };
  for (const auto& [choisi, attendu] : {
           Cas{"/a/prog", "/a/prog.bas"},
           Cas{"/a/prog.txt", "/a/prog.bas"},
           Cas{"/a/prog.old.txt", "/a/prog.bas"},
           Cas{"/a/prog.bas", "/a/prog.bas"},
           Cas{"/a/v1.2/prog", "/a/v1.2/prog.bas"},
           Cas{"/a/v1.2/prog.BAS", "/a/v1.2/prog.bas"},
       })
    EXPECT_EQ(AvecExtensionBas(choisi), attendu) << choisi.toStdString();
}

TEST_F(Editeur, SavingANewDocumentAsksForANameAndWritesCrLf) {
  Dialogues.Fichier = Chemin("v1.2/prog.txt");
  ASSERT_TRUE(QDir(Dossier.path()).mkdir(QStringLiteral("v1.2")));
  ASSERT_TRUE(Fenetre.Enregistrer());
  ASSERT_EQ(Dialogues.Demandes.size(), 1u);
  EXPECT_EQ(Dialogues.Demandes[0].Filtre, QStringLiteral("Fichiers basic (*.bas)|*.bas|Tous les fichiers|*.*"));
  EXPECT_EQ(Dialogues.Demandes[0].Nom, QStringLiteral("*.bas"));
  EXPECT_EQ(Fenetre.NomFichier(), Chemin("v1.2/prog.bas"));
  EXPECT_EQ(Fenetre.windowTitle(), QStringLiteral("Korvane - prog.bas"));
  EXPECT_EQ(LitOctets(Chemin("v1.2/prog.bas")),
            QByteArray("DIM X AS STRING\r\nDIM I AS INTEGER\r\nDIM R AS REAL\r\nDIM A(10) AS STRING\r\n"));
  EXPECT_TRUE(Messages.Textes.isEmpty());
}

TEST_F(Editeur, ACancelledSaveDialogSavesNothing) {
  Tape(QStringLiteral("A\n"));
  EXPECT_FALSE(Fenetre.Enregistrer());
  EXPECT_TRUE(Fenetre.NomFichier().isEmpty());
  EXPECT_TRUE(Fenetre.Modifie());
  EXPECT_TRUE(QDir(Dossier.path()).isEmpty());
}

TEST_F(Editeur, SavingKeepsBreakpointsAndRemovesStepMarkersFromTheDocumentToo) {
  const QString chemin = Chemin("prog.bas");
  EcritOctets(chemin, "\xBB" "A\r\n\x95" "B\r\n");
  ASSERT_TRUE(Fenetre.OpenFile(chemin));
  EXPECT_EQ(Texte(), QStringLiteral("»A\n•B\n"));
  Fenetre.Memo1()->moveCursor(QTextCursor::End);
  Fenetre.Memo1()->insertPlainText(QStringLiteral("été\n"));
  ASSERT_TRUE(Fenetre.Enregistrer());
  EXPECT_EQ(LitOctets(chemin), QByteArray("\xBB" "A\r\nB\r\n\xE9t\xE9\r\n"));
  EXPECT_EQ(Texte(), QStringLiteral("»A\nB\nété\n"));
  EXPECT_FALSE(Fenetre.Modifie());

  // A character Windows-1252 cannot store makes the file UTF-8 from then on.
  Fenetre.Memo1()->insertPlainText(QStringLiteral("ő\n"));
  ASSERT_TRUE(Fenetre.Enregistrer());
  EXPECT_EQ(Fenetre.Format().Codage, Encodage::Utf8);
  EXPECT_EQ(LitOctets(chemin), QByteArray("\xC2\xBB" "A\r\nB\r\n\xC3\xA9t\xC3\xA9\r\n\xC5\x91\r\n"));
}

TEST_F(Editeur, OpeningAFileReplacesTheTextAndPutsTheCaretAtTheStart) {
  const QString chemin = Chemin("prog.bas");
  EcritOctets(chemin, "PRINT 1\nEND");
  Tape(QStringLiteral("X\n"));
  ASSERT_TRUE(Fenetre.OpenFile(chemin));
  EXPECT_EQ(Texte(), QStringLiteral("PRINT 1\nEND\n"));
  EXPECT_EQ(Fenetre.Memo1()->textCursor().position(), 0);
  EXPECT_EQ(Fenetre.NomFichier(), chemin);
  EXPECT_FALSE(Fenetre.Modifie());
}

TEST_F(Editeur, AFailedSaveLeavesTheFileTheDocumentAndTheFlag) {
  // Too long a name for the temporary file beside it, root included.
  const QString longNom = Dossier.path() + QLatin1Char('/') + QString(250, QLatin1Char('n')) + QStringLiteral(".bas");
  EcritOctets(longNom, "ANCIEN\r\n");
  ASSERT_TRUE(Fenetre.OpenFile(longNom));
  struct Cas {
    const char* Nom;
    QString Chemin;
    QByteArray SurDisque;
  };
  for (const Cas& c :
       {Cas{"temporary file", longNom, "ANCIEN\r\n"}, Cas{"folder is a file", CheminSousUnFichier(Dossier), {}}}) {
    SCOPED_TRACE(c.Nom);
    Messages.Textes.clear();
    Tape(QStringLiteral("•NOUVEAU\n"));
    Dialogues.Fichier = c.Chemin;
    EXPECT_FALSE(c.Chemin == longNom ? Fenetre.Enregistrer() : Fenetre.SaveAs());
    ASSERT_EQ(Messages.Textes.size(), 1);
    EXPECT_TRUE(Messages.Textes[0].startsWith(QStringLiteral("Impossible d'enregistrer « ") + c.Chemin +
                                              QStringLiteral(" » : ")))
        << Messages.Textes[0].toStdString();
    EXPECT_GT(Messages.Textes[0].size(), c.Chemin.size() + 30);
    EXPECT_EQ(LitOctets(c.Chemin), c.SurDisque);
    EXPECT_EQ(Texte(), QStringLiteral("•NOUVEAU\n"));
    EXPECT_TRUE(Fenetre.Modifie());
    EXPECT_EQ(Fenetre.NomFichier(), longNom);
  }
}

TEST_F(Editeur, SaveAsAsksBeforeReplacingTheFileItReallyWrites) {
  const QString existant = Chemin("prog.bas");
  for (const char* tape : {"prog", "prog.v2", "prog.bas"}) {
    for (const bool remplace : {false, true}) {
      SCOPED_TRACE(std::string(tape) + (remplace ? " replaced" : " kept"));
      EcritOctets(existant, "ANCIEN\r\n");
      Tape(QStringLiteral("NOUVEAU\n"));
      Dialogues.Fichier = Chemin(tape);
      Dialogues.Remplace = remplace;
      Dialogues.Questions.clear();
      EXPECT_EQ(Fenetre.SaveAs(), remplace);
      EXPECT_EQ(Dialogues.Questions,
                QStringList{QStringLiteral("« ") + existant + QStringLiteral(" » existe déjà. Voulez-vous le remplacer ?")});
      EXPECT_EQ(LitOctets(existant), remplace ? QByteArray("NOUVEAU\r\n") : QByteArray("ANCIEN\r\n"));
      EXPECT_EQ(Fenetre.Modifie(), !remplace);
    }
  }
}

TEST_F(Editeur, ASaveThatCannotReachTheDiskKeepsTheOldFileAndSaysWhy) {
  const QString chemin = Chemin("a.bas");
  EcritOctets(chemin, "PRINT \"ancien\"\r\n");
  ASSERT_TRUE(Fenetre.OpenFile(chemin));
  Tape(QString(10'000, QLatin1Char('x')) + QLatin1Char('\n'));
  {
    const LimiteTailleFichiers limite(4096);
    EXPECT_FALSE(Fenetre.Enregistrer());
  }
  EXPECT_EQ(Messages.Textes, QStringList{QStringLiteral("Impossible d'enregistrer « ") + chemin +
                                         QStringLiteral(" » : fichier trop grand")});
  EXPECT_EQ(LitOctets(chemin), QByteArray("PRINT \"ancien\"\r\n"));
  EXPECT_TRUE(Fenetre.Modifie());
}

TEST_F(Editeur, FilesTheEditorCannotHoldAreRefusedWithoutBlocking) {
  const QString tube = Chemin("tube.bas");
  ASSERT_EQ(mkfifo(QFile::encodeName(tube).constData(), 0600), 0);
  QFile grand(Chemin("grand.bas"));
  ASSERT_TRUE(grand.open(QIODevice::WriteOnly) && grand.resize(17 * 1024 * 1024));
  EcritOctets(Chemin("separateur.bas"), "PRINT 1\r\nREM \xE2\x80\xA9\r\n");
  const std::pair<QString, QString> cas[] = {
      {QStringLiteral("/dev/zero"), QStringLiteral("ce n'est pas un fichier ordinaire")},
      {tube, QStringLiteral("ce n'est pas un fichier ordinaire")},
      {Dossier.path(), QStringLiteral("c'est un dossier")},
      {Chemin("grand.bas"), QStringLiteral("fichier trop grand (plus de 16 Mio)")},
      {Chemin("separateur.bas"), QStringLiteral("le caractère U+2029 ne peut pas être gardé par l'éditeur (ligne 2)")},
  };
  Tape(QStringLiteral("A\n"));
  for (const auto& [chemin, raison] : cas) {
    Messages.Textes.clear();
    Dialogues.Fichier = chemin;
    EXPECT_FALSE(Fenetre.OpenFile(chemin));
    EXPECT_FALSE(Fenetre.Importer());
    EXPECT_EQ(Messages.Textes, (QStringList{QStringLiteral("Impossible d'ouvrir « %1 » : %2").arg(chemin, raison),
                                            QStringLiteral("Impossible d'importer « %1 » : %2").arg(chemin, raison)}));
  }
  EXPECT_EQ(Texte(), QStringLiteral("A\n"));
}

TEST_F(Editeur, AFailedOpenOrImportLeavesTheDocument) {
  const QString absent = Chemin("absent.bas");
  Dialogues.Fichier = absent;
  Tape(QStringLiteral("A\n"));
  EXPECT_FALSE(Fenetre.OpenFile(absent));
  EXPECT_FALSE(Fenetre.Importer());
  ASSERT_EQ(Messages.Textes.size(), 2);
  const QString fin = QStringLiteral(" » : ");
  EXPECT_TRUE(Messages.Textes[0].startsWith(QStringLiteral("Impossible d'ouvrir « ") + absent + fin));
  EXPECT_TRUE(Messages.Textes[1].startsWith(QStringLiteral("Impossible d'importer « ") + absent + fin));
  EXPECT_EQ(Texte(), QStringLiteral("A\n"));
  EXPECT_TRUE(Fenetre.NomFichier().isEmpty());
  EXPECT_TRUE(Fenetre.Modifie());
}

TEST_F(Editeur, ImportedLinesReplaceTheSelectionEachWithItsLineEnd) {
  EcritOctets(Chemin("bout.txt"), "X\r\n\xE9");
  Tape(QStringLiteral("A\nB\n"));
  QTextCursor selection(Fenetre.Memo1()->document());
  selection.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  Fenetre.Memo1()->setTextCursor(selection);

  Dialogues.Fichier = Chemin("bout.txt");
  ASSERT_TRUE(Fenetre.Importer());
  EXPECT_EQ(Texte(), QStringLiteral("X\né\n\nB\n"));
  EXPECT_EQ(Fenetre.LigneCurseur(), 2);
  ASSERT_EQ(Dialogues.Demandes.size(), 1u);
  EXPECT_EQ(Dialogues.Demandes[0].Titre, QStringLiteral("Insérer fichier"));
  EXPECT_EQ(Dialogues.Demandes[0].Filtre,
            QStringLiteral("Fichiers texte (*.txt)|*.txt|Fichiers basic (*.bas)|*.bas|Tous les fichiers (*.*)|*.*"));
  EXPECT_EQ(Dialogues.Demandes[0].Nom, QStringLiteral("*.txt"));
  EXPECT_TRUE(Fenetre.NomFichier().isEmpty());

  Dialogues.Fichier.clear();
  ASSERT_TRUE(Fenetre.Importer());
  EXPECT_EQ(Texte(), QStringLiteral("X\né\n\nB\n"));
}

TEST_F(Editeur, TheCloseQueryAsksOnlyForAModifiedDocument) {
  const QString chemin = Chemin("prog.bas");
  EcritOctets(chemin, "A\r\n");
  struct Cas {
    Reponse Choix;
    bool Ferme;
    QByteArray SurDisque;
  };
  for (const auto& [choix, ferme, surDisque] :
       {Cas{Reponse::Oui, true, "B\r\n"}, Cas{Reponse::Non, true, "A\r\n"}, Cas{Reponse::Annuler, false, "A\r\n"}}) {
    SCOPED_TRACE(static_cast<int>(choix));
    EcritOctets(chemin, "A\r\n");
    TEditeur fenetre({Dialogues, Messages, {}});
    int fermetures = 0;
    QObject::connect(&fenetre, &TEditeur::Fermee, [&] { ++fermetures; });
    ASSERT_TRUE(fenetre.OpenFile(chemin));
    TapeTout(fenetre, QStringLiteral("B\n"));
    Dialogues.Questions.clear();
    Dialogues.Choix = choix;
    EXPECT_EQ(fenetre.close(), ferme);
    EXPECT_EQ(Dialogues.Questions, QStringList{QStringLiteral("Enregistrer changements dans 'prog.bas'?")});
    EXPECT_EQ(fermetures, ferme ? 1 : 0);
    EXPECT_EQ(LitOctets(chemin), surDisque);
  }
}

TEST_F(Editeur, ANeverSavedDocumentIsAskedAboutWithAnEmptyName) {
  EXPECT_TRUE(Fenetre.FormCloseQuery());
  EXPECT_TRUE(Dialogues.Questions.isEmpty());
  Tape(QStringLiteral("A\n"));
  Dialogues.Choix = Reponse::Oui;
  // Cancelling the save dialog then keeps the window and its document.
  EXPECT_FALSE(Fenetre.FormCloseQuery());
  EXPECT_EQ(Dialogues.Questions, QStringList{QStringLiteral("Enregistrer changements dans ''?")});
  EXPECT_EQ(Dialogues.Demandes.size(), 1u);
}

TEST_F(Editeur, PrintingWritesEveryLineWithoutStepMarkers) {
  Tape(QStringLiteral("»A\n•B\n"));
  Dialogues.Imprime = false;
  EXPECT_TRUE(Fenetre.Imprimer());
  EXPECT_TRUE(Pdfs().isEmpty());
  EXPECT_EQ(Texte(), QStringLiteral("»A\n•B\n"));

  Dialogues.Imprime = true;
  EXPECT_TRUE(Fenetre.Imprimer());
  ASSERT_EQ(Pdfs().size(), 1);
  EXPECT_EQ(Messages.Textes, QStringList{QStringLiteral("Aucune imprimante : l'impression est enregistrée dans ") +
                                         QDir(Dossier.path()).filePath(Pdfs().front())});
  EXPECT_EQ(Texte(), QStringLiteral("»A\nB\n"));
}

TEST_F(Editeur, TheOutputFileChosenInThePrintDialogIsWrittenAndToldOnceWhole) {
  // What the file holds at the moment the user is told its path.
  struct PdfAuMoment : MessagesNotes {
    QString Chemin;
    QByteArray Contenu;
    void Affiche(const std::string& texte) override {
      MessagesNotes::Affiche(texte);
      QFile pdf(Chemin);
      if (pdf.open(QIODevice::ReadOnly)) Contenu = pdf.readAll();
    }
  } messages;
  messages.Chemin = Chemin("choisi.pdf");
  QFile ancien(messages.Chemin);
  ASSERT_TRUE(ancien.open(QIODevice::WriteOnly) && ancien.write("ancien") == 6);
  ancien.close();
  Dialogues.ChoixImprime.Fichier = messages.Chemin;
  TEditeur fenetre({Dialogues, messages, {.ChercheImprimante = false, .DossierPdf = Dossier.path()}});
  fenetre.Memo1()->setPlainText(QStringLiteral("PRINT 1\n"));

  EXPECT_TRUE(fenetre.Imprimer());
  EXPECT_EQ(Pdfs(), QStringList{QStringLiteral("choisi.pdf")});
  EXPECT_EQ(messages.Textes, QStringList{QStringLiteral("L'impression est enregistrée dans ") + messages.Chemin});
  EXPECT_TRUE(messages.Contenu.startsWith("%PDF") && messages.Contenu.trimmed().endsWith("%%EOF"));
}

TEST_F(Editeur, AFailedPrintIsToldAndLeavesTheDocument) {
  QTemporaryDir ailleurs;
  TEditeur fenetre({Dialogues, Messages, {.ChercheImprimante = false, .DossierPdf = CheminSousUnFichier(ailleurs)}});
  fenetre.Memo1()->setPlainText(QStringLiteral("•A\n"));
  EXPECT_FALSE(fenetre.Imprimer());
  ASSERT_EQ(Messages.Textes.size(), 1);
  EXPECT_TRUE(Messages.Textes[0].startsWith(QStringLiteral("Impossible d'enregistrer l'impression dans ")));
  EXPECT_EQ(fenetre.Memo1()->toPlainText(), QStringLiteral("•A\n"));
}

TEST_F(Editeur, TheRunControlReadsAndChangesLines) {
  Tape(QStringLiteral("»PRINT \"été\"\n•END\n"));
  const Programme& programme = Fenetre.TexteProgramme();
  EXPECT_EQ(programme.NbLignes(), 2);
  EXPECT_EQ(programme.Ligne(0), "\xBBPRINT \"\xE9t\xE9\"");
  EXPECT_EQ(programme.Ligne(1), "\x95" "END");
  EXPECT_EQ(programme.Ligne(2), "");
  EXPECT_EQ(programme.Ligne(-1), "");

  const std::optional<uint64_t> avant = programme.Revision();
  Fenetre.RemplaceLigne(1, QStringLiteral("END"));
  EXPECT_EQ(Texte(), QStringLiteral("»PRINT \"été\"\nEND\n"));
  EXPECT_NE(programme.Revision(), avant);
  const std::optional<uint64_t> apres = programme.Revision();
  Fenetre.Memo1()->undo();
  EXPECT_NE(programme.Revision(), apres);
  EXPECT_NE(programme.Revision(), avant);

  Fenetre.PlaceCurseur(1);
  EXPECT_EQ(Fenetre.LigneCurseur(), 1);
  EXPECT_EQ(Fenetre.Memo1()->textCursor().positionInBlock(), 0);
  Fenetre.LectureSeule(true);
  EXPECT_TRUE(Fenetre.Memo1()->isReadOnly());
  Fenetre.LectureSeule(false);
  EXPECT_FALSE(Fenetre.Memo1()->isReadOnly());
}

TEST_F(Editeur, ClipboardCommandsMoveTheSelection) {
  Tape(QStringLiteral("A\nB\n"));
  Fenetre.ToutSelectionner();
  Fenetre.Copier();
  Fenetre.Couper();
  EXPECT_EQ(Texte(), QString());
  Fenetre.Coller();
  Fenetre.Coller();
  EXPECT_EQ(Texte(), QStringLiteral("A\nB\nA\nB\n"));
}

TEST(FiltresQt, EachLabelGetsItsPatterns) {
  EXPECT_EQ(FiltresQt(QStringLiteral("Fichiers basic (*.bas)|*.bas|Tous les fichiers|*.*")),
            (QStringList{"Fichiers basic (*.bas) (*.bas)", "Tous les fichiers (*)"}));
  EXPECT_EQ(FiltresQt(QStringLiteral("Textes|*.txt;*.bas")), QStringList{"Textes (*.txt *.bas)"});
}

// Whatever the system's language, the list says "Dossier", "octets" and a French date, and
// closing the dialog leaves no settings file behind.
TEST(DialogueFichier, DescribesFilesInFrenchAndWritesNoSettings) {
  SansFichierDeReglages();
  std::ostringstream avertissements;
  QtEnFrancais(*QApplication::instance(), avertissements);
  QTemporaryDir dossier;
  ASSERT_TRUE(QDir(dossier.path()).mkdir(QStringLiteral("sous-dossier")));
  QFile fichier(dossier.filePath(QStringLiteral("a.bas")));
  ASSERT_TRUE(fichier.open(QIODevice::WriteOnly) && fichier.write(QByteArray(27, 'x')) == 27);
  fichier.close();
  auto dialogue = DialogueFichier(nullptr, QFileDialog::AcceptOpen, QStringLiteral("Ouvrir"),
                                  QStringLiteral("Fichiers basic|*.bas"), dossier.filePath(QStringLiteral("*.bas")));
  dialogue->setDirectory(dossier.path());
  dialogue->setViewMode(QFileDialog::Detail);
  dialogue->show();
  const auto* liste = dialogue->findChild<QTreeView*>(QStringLiteral("treeView"));
  ASSERT_NE(liste, nullptr);
  const QAbstractItemModel& modele = *liste->model();
  const auto cellule = [&](const QString& nom, int colonne) {
    const QModelIndexList trouves =
        modele.match(modele.index(0, 0, liste->rootIndex()), Qt::DisplayRole, nom, 1, Qt::MatchExactly);
    return trouves.isEmpty() ? QString() : trouves.front().siblingAtColumn(colonne).data().toString();
  };
  ASSERT_TRUE(Attend([&] { return !cellule(QStringLiteral("a.bas"), 3).isEmpty(); }));
  EXPECT_EQ(cellule(QStringLiteral("a.bas"), 1), QStringLiteral("27 octets"));
  EXPECT_EQ(cellule(QStringLiteral("sous-dossier"), 2), QStringLiteral("Dossier"));
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d$"))
                  .match(cellule(QStringLiteral("a.bas"), 3))
                  .hasMatch())
      << cellule(QStringLiteral("a.bas"), 3).toStdString();
  dialogue.reset();
  EXPECT_FALSE(QFileInfo::exists(QSettings(QSettings::UserScope, QStringLiteral("QtProject")).fileName()));
  QLocale::setDefault(QLocale::c());
}

}  // namespace
}  // namespace korvane::test
