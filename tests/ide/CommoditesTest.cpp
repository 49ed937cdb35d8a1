// What every editor offers beside the described menus: the standard keys, undo and redo
// items, the caret's position, zoom and opening files by dropping them.
#include <gtest/gtest.h>

#include <map>

#include <QMdiSubWindow>
#include <QMimeData>
#include <QUrl>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <QWheelEvent>

#include "ide/BancDialogues.h"
#include "ide/BancEditeur.h"
#include "ide/TMainForm.h"
#include "screen/TForm3.h"
#include "support/Attente.h"

namespace korvane {
namespace {

using test::FauxDialogues;
using test::MessagesNotes;

struct Poste {
  Poste() { fenetre.show(); }
  ~Poste() {
    dialogues.Choix = Reponse::Non;
    fenetre.close();
  }

  QAction* Commande(const char* nom) const { return fenetre.Commande(QString::fromLatin1(nom)); }

  MessagesNotes messages;
  FauxDialogues dialogues;
  QTemporaryDir dossier;
  TMainForm fenetre{messages, dialogues, SortieImpression{false, dossier.path()}};
};

struct Raccourci {
  const char* commande;
  QKeySequence touche;
};

const Raccourci kRaccourcis[] = {
    {"FileNewItem", QKeySequence(Qt::CTRL | Qt::Key_N)},
    {"FileOpenItem", QKeySequence(Qt::CTRL | Qt::Key_O)},
    {"FileSaveItem", QKeySequence(Qt::CTRL | Qt::Key_S)},
    {"FileSaveAsItem", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
    {"Imprimer1", QKeySequence(Qt::CTRL | Qt::Key_P)},
    {"Rechercher1", QKeySequence(Qt::CTRL | Qt::Key_F)},
    {"Remplacer1", QKeySequence(Qt::CTRL | Qt::Key_H)},
    {"Annulerlafrappe1", QKeySequence(Qt::CTRL | Qt::Key_Z)},
    {"Rtablir1", QKeySequence(Qt::CTRL | Qt::Key_Y)},
    {"Rtablir1", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
    {"Toutslectionner1", QKeySequence(Qt::CTRL | Qt::Key_A)},
    // The description's own keys stay where they were.
    {"CutItem", QKeySequence(Qt::CTRL | Qt::Key_X)},
    {"CopyItem", QKeySequence(Qt::CTRL | Qt::Key_C)},
    {"PasteItem", QKeySequence(Qt::CTRL | Qt::Key_V)},
    {"Continuer1", QKeySequence(Qt::Key_F3)},
    {"subs1", QKeySequence(Qt::Key_F2)},
    {"Excuter1", QKeySequence(Qt::Key_F9)},
    {"Pointdarrt1", QKeySequence(Qt::Key_F5)},
    {"Continuer2", QKeySequence(Qt::Key_F7)},
};

TEST(Commodites, EachKeyCallsItsMenuItemAndNoOther) {
  Poste p;
  std::map<QString, QStringList> parTouche;
  for (const QAction* action : p.fenetre.menuBar()->findChildren<QAction*>())
    for (const QKeySequence& touche : action->shortcuts()) parTouche[touche.toString()] << action->objectName();
  for (const Raccourci& raccourci : kRaccourcis)
    EXPECT_EQ(parTouche[raccourci.touche.toString()], QStringList(QString::fromLatin1(raccourci.commande)))
        << raccourci.touche.toString().toStdString();
  EXPECT_EQ(parTouche.size(), std::size(kRaccourcis));
}

TEST(Commodites, TheDocumentKeysWorkFromTheRunWindow) {
  Poste p;
  TForm3& ecran = p.fenetre.Application().Hote().Fenetre();
  ecran.show();
  ecran.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&ecran));
  QTest::keyClick(&ecran, Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(p.fenetre.Editeurs().size(), 1u);
  ecran.close();
}

TEST(Commodites, UndoAndRedoItemsLeadTheEditMenuAndFollowTheActiveEditor) {
  Poste p;
  QMenu* menu = qobject_cast<QMenu*>(p.Commande("CutItem")->associatedObjects().value(0));
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->actions().value(0), p.Commande("Annulerlafrappe1"));
  EXPECT_EQ(menu->actions().value(1), p.Commande("Rtablir1"));
  EXPECT_EQ(menu->actions().value(0)->text(), QStringLiteral("&Annuler la frappe"));
  EXPECT_EQ(menu->actions().value(1)->text(), QStringLiteral("&Rétablir"));
  const auto etat = [&p] {
    return QString::fromLatin1("%1%2").arg(p.Commande("Annulerlafrappe1")->isEnabled() ? 'A' : '-')
        .arg(p.Commande("Rtablir1")->isEnabled() ? 'R' : '-');
  };
  EXPECT_EQ(etat(), QStringLiteral("--"));

  TEditeur& premier = *p.fenetre.FileNewItemClick();
  EXPECT_EQ(etat(), QStringLiteral("--"));
  QTest::keyClicks(premier.Memo1(), QStringLiteral("PRINT 1"));
  EXPECT_EQ(etat(), QStringLiteral("A-"));
  p.Commande("Annulerlafrappe1")->trigger();
  EXPECT_FALSE(premier.Memo1()->toPlainText().contains(QStringLiteral("PRINT")));
  EXPECT_EQ(etat(), QStringLiteral("-R"));

  p.fenetre.FileNewItemClick();
  EXPECT_EQ(etat(), QStringLiteral("--"));
  p.fenetre.Zone()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(premier.parentWidget()));
  EXPECT_EQ(etat(), QStringLiteral("-R"));
  p.Commande("Rtablir1")->trigger();
  EXPECT_TRUE(premier.Memo1()->toPlainText().contains(QStringLiteral("PRINT 1")));
  EXPECT_EQ(etat(), QStringLiteral("A-"));

  // The keys, in the editor that has the keyboard.
  p.fenetre.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&p.fenetre));
  for (const QKeyCombination retablir : {Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z}) {
    QTest::keyClick(premier.Memo1(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(etat(), QStringLiteral("-R"));
    QTest::keyClick(premier.Memo1(), retablir.key(), retablir.keyboardModifiers());
    EXPECT_EQ(etat(), QStringLiteral("A-"));
  }
}

TEST(Commodites, TheStatusBarShowsTheCaretsLineAndColumnAndTheLineAStepStopsOn) {
  Poste p;
  const QLabel& position = *p.fenetre.PanelPosition();
  EXPECT_EQ(position.text(), QString());
  TEditeur& premier = *p.fenetre.FileNewItemClick();
  EXPECT_EQ(position.text(), QStringLiteral("Ligne 5, col. 1"));
  QTest::keyClicks(premier.Memo1(), QStringLiteral("A = 1"));
  EXPECT_EQ(position.text(), QStringLiteral("Ligne 5, col. 6"));

  TEditeur& second = *p.fenetre.FileNewItemClick();
  second.Memo1()->moveCursor(QTextCursor::Start);
  EXPECT_EQ(position.text(), QStringLiteral("Ligne 1, col. 1"));
  p.fenetre.Zone()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(premier.parentWidget()));
  EXPECT_EQ(position.text(), QStringLiteral("Ligne 5, col. 6"));

  premier.Memo1()->setPlainText(QStringLiteral("DIM A AS INTEGER\nA = 1\nA = 2\n"));
  premier.Memo1()->moveCursor(QTextCursor::End);
  p.Commande("Pasapas")->trigger();
  p.Commande("Excuter1")->trigger();
  EXPECT_EQ(position.text(), QStringLiteral("Ligne 2, col. 1"));
  p.fenetre.Application().Hote().Fenetre().close();

  p.dialogues.Choix = Reponse::Non;
  for (QMdiSubWindow* fenetre : p.fenetre.Zone()->subWindowList()) fenetre->close();
  EXPECT_EQ(position.text(), QString());
}

TEST(Commodites, EachEditorWindowZoomsWithTheKeysAndTheWheelAndForgetsItOnClosing) {
  Poste p;
  TEditeur& premier = *p.fenetre.FileNewItemClick();
  QPlainTextEdit& memo = *premier.Memo1();
  p.fenetre.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&p.fenetre));
  const qreal initiale = memo.font().pointSizeF();
  const auto taille = [&memo, initiale] { return memo.font().pointSizeF() - initiale; };
  const auto tourne = [&memo](int huitiemes, Qt::KeyboardModifiers modificateurs) {
    const QPointF centre = memo.viewport()->rect().center();
    QWheelEvent roue(centre, memo.viewport()->mapToGlobal(centre), {}, QPoint(0, huitiemes), Qt::NoButton,
                     modificateurs, Qt::NoScrollPhase, false);
    QApplication::sendEvent(memo.viewport(), &roue);
  };
  const std::pair<QKeyCombination, qreal> touches[] = {{Qt::CTRL | Qt::Key_Plus, 1}, {Qt::CTRL | Qt::Key_Equal, 2},
                                                       {Qt::CTRL | Qt::Key_Minus, 1}, {Qt::CTRL | Qt::Key_0, 0}};
  for (const auto& [touche, attendue] : touches) {
    QTest::keyClick(&memo, touche.key(), touche.keyboardModifiers());
    EXPECT_EQ(taille(), attendue) << QKeySequence(touche).toString().toStdString();
  }
  tourne(120, Qt::ControlModifier);
  EXPECT_EQ(taille(), 1);
  tourne(60, Qt::ControlModifier);
  tourne(60, Qt::ControlModifier);
  EXPECT_EQ(taille(), 2);
  tourne(-120, Qt::ControlModifier);
  EXPECT_EQ(taille(), 1);
  tourne(-120, Qt::NoModifier);
  EXPECT_EQ(taille(), 1);

  TEditeur& second = *p.fenetre.FileNewItemClick();
  EXPECT_EQ(second.Memo1()->font().pointSizeF(), initiale);
  p.dialogues.Choix = Reponse::Non;
  premier.parentWidget()->close();
  EXPECT_EQ(p.fenetre.FileNewItemClick()->Memo1()->font().pointSizeF(), initiale);
}

// Drags `fichiers` over `cible` and drops them; whether the drag was taken.
bool Depose(QWidget& cible, const QStringList& fichiers) {
  QMimeData donnees;
  QList<QUrl> urls;
  for (const QString& fichier : fichiers) urls << QUrl::fromLocalFile(fichier);
  donnees.setUrls(urls);
  const QPoint centre = cible.rect().center();
  const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
  QDragEnterEvent entree(centre, actions, &donnees, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&cible, &entree);
  if (!entree.isAccepted()) return false;
  QDropEvent depot(QPointF(centre), actions, &donnees, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&cible, &depot);
  return depot.isAccepted() && depot.dropAction() == Qt::CopyAction;
}

TEST(Commodites, ProgramFilesDroppedOnTheWindowOpenAsFileOpenDoesAndOtherFilesAreLeft) {
  Poste p;
  const auto chemin = [&p](const char* nom) { return p.dossier.filePath(QString::fromLatin1(nom)); };
  test::EcritOctets(chemin("un.bas"), "PRINT 1\r\n");
  test::EcritOctets(chemin("deux.TXT"), "PRINT 2\r\n");
  test::EcritOctets(chemin("image.png"), "png");
  const auto titres = [&p] {
    QStringList titres;
    for (const TEditeur* editeur : p.fenetre.Editeurs()) titres << editeur->windowTitle();
    return titres;
  };

  QWidget& zone = *p.fenetre.Zone()->viewport();
  EXPECT_FALSE(Depose(zone, {chemin("image.png")}));
  EXPECT_TRUE(Depose(zone, {chemin("un.bas"), chemin("image.png"), chemin("absent.bas"), chemin("deux.TXT")}));
  ASSERT_TRUE(test::Attend([&] { return p.fenetre.Editeurs().size() == 2; }));
  EXPECT_EQ(titres(), QStringList({"Korvane - un.bas", "Korvane - deux.TXT"}));
  EXPECT_EQ(p.fenetre.Editeurs().back()->Memo1()->toPlainText(), QStringLiteral("PRINT 2\n"));
  ASSERT_EQ(p.messages.Textes.size(), 1);
  p.fenetre.Ouvre(chemin("absent.bas"));
  EXPECT_EQ(p.messages.Textes.value(1), p.messages.Textes.value(0));

  // On an editor's text: the file opens, the text stays as it was.
  QPlainTextEdit& memo = *p.fenetre.Editeurs().front()->Memo1();
  EXPECT_TRUE(Depose(*memo.viewport(), {chemin("un.bas")}));
  ASSERT_TRUE(test::Attend([&] { return p.fenetre.Editeurs().size() == 3; }));
  EXPECT_EQ(memo.toPlainText(), QStringLiteral("PRINT 1\n"));
}

TEST(Commodites, TheRunWindowSavesItsPictureThroughTheApplicationsSaveDialog) {
  Poste p;
  TForm3& ecran = p.fenetre.Application().Hote().Fenetre();
  EXPECT_EQ(ecran.contextMenuPolicy(), Qt::ActionsContextMenu);
  p.dialogues.Fichier = p.dossier.filePath(QStringLiteral("ecran.png"));
  ecran.findChild<QAction*>(QStringLiteral("EnregistrerEcran"))->trigger();
  EXPECT_FALSE(QImage(p.dialogues.Fichier).isNull());
}

}  // namespace
}  // namespace korvane
