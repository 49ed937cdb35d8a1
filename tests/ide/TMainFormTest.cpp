// The main window as the user drives it: menus, quick buttons, status line, clock, the
// documents it opens and what happens on exit.
#include "ide/TMainForm.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <new>

#include "ide/ApplicationKorvane.h"
#include "ide/BancEditeur.h"
#include "screen/TForm12.h"
#include "screen/TForm3.h"
#include "support/GardeFou.h"
#include "support/Attente.h"

namespace korvane {
namespace {

using test::FauxDialogues;
using test::MessagesNotes;

struct Poste {
  explicit Poste(QTime heure = QTime(9, 5, 7)) : heure_(heure) { fenetre.show(); }
  ~Poste() {
    dialogues.Choix = Reponse::Non;
    fenetre.close();
  }

  QAction* Commande(const char* nom) const { return fenetre.Commande(QString::fromLatin1(nom)); }
  QStringList Titres() const {
    QStringList titres;
    for (const TEditeur* editeur : fenetre.Editeurs()) titres << editeur->windowTitle();
    return titres;
  }

  QTime heure_;
  MessagesNotes messages;
  FauxDialogues dialogues;
  QTemporaryDir dossier;
  TMainForm fenetre{messages, dialogues, SortieImpression{false, dossier.path()}, [this] { return heure_; }};
};

const char* const kSansEditeurActifs[] = {"FileNewItem", "FileOpenItem", "Configurationimpression1",
                                          "FileExitItem", "Calendrier1", "Calculatrice1", "Horloge1",
                                          "HelpContentsItem", "HelpSearchItem", "HelpHowToUseItem",
                                          "HelpAboutItem"};
const char* const kAvecEditeur[] = {
    "FileCloseItem", "FileSaveItem", "FileSaveAsItem", "Imprimer1", "Toutslectionner1", "Rechercher1",
    "Continuer1", "Remplacer1", "CutItem", "CopyItem", "PasteItem", "Excuter1", "Pointdarrt1", "Continuer2",
    "Pasapas", "Examinervariable1", "Importer1", "Tabledessymboles1", "subs1", "Motscl1", "bouclefor1",
    "Bouclewhile1", "Boucledo1", "If1", "Lecturefichier1", "Ecriturefichier1", "Paramtres1",
    "WindowCascadeItem", "WindowTileItem", "WindowArrangeItem", "WindowMinimizeItem"};
// Refused while a program runs in the active window; copy, find and step mode are not.
const char* const kRefusesPendantRun[] = {"FileSaveItem", "FileSaveAsItem", "Importer1", "Imprimer1",
                                          "CutItem", "PasteItem", "Remplacer1", "Excuter1",
                                          "Pointdarrt1", "Continuer2", "Motscl1", "If1"};

// What is enabled, as one text per state, so that a failure names the commands.
QStringList Actives(const Poste& p, std::span<const char* const> noms) {
  QStringList actives;
  for (const char* nom : noms)
    if (p.Commande(nom)->isEnabled()) actives << QString::fromLatin1(nom);
  return actives;
}

QStringList Tous(std::span<const char* const> noms) {
  QStringList tous;
  for (const char* nom : noms) tous << QString::fromLatin1(nom);
  return tous;
}

QStringList BoutonsActifs(const Poste& p) {
  QStringList actifs;
  for (const char* nom : {"FileNew1Btn", "OpenBtn", "SaveBtn", "CutBtn", "CopyBtn", "PasteBtn", "ExecButton"})
    if (p.fenetre.Bouton(QString::fromLatin1(nom))->isEnabled()) actifs << QString::fromLatin1(nom);
  return actifs;
}

TEST(TMainForm, CommandsThatActOnADocumentNeedAnEditorWindow) {
  Poste p;
  const QStringList tousLesBoutons{"FileNew1Btn", "OpenBtn", "SaveBtn", "CutBtn", "CopyBtn", "PasteBtn", "ExecButton"};
  EXPECT_EQ(Actives(p, kAvecEditeur), QStringList());
  EXPECT_EQ(Actives(p, kSansEditeurActifs), Tous(kSansEditeurActifs));
  EXPECT_EQ(BoutonsActifs(p), QStringList({"FileNew1Btn", "OpenBtn"}));

  p.Commande("FileNewItem")->trigger();
  EXPECT_EQ(Actives(p, kAvecEditeur), Tous(kAvecEditeur));
  EXPECT_EQ(BoutonsActifs(p), tousLesBoutons);

  p.Commande("FileCloseItem")->trigger();
  EXPECT_TRUE(p.fenetre.Editeurs().empty());
  EXPECT_EQ(Actives(p, kAvecEditeur), QStringList());
  EXPECT_EQ(Actives(p, kSansEditeurActifs), Tous(kSansEditeurActifs));
}

TEST(TMainForm, QuickButtonsShowTheirPictureAndHint) {
  Poste p;
  const std::pair<const char*, const char*> boutons[] = {
      {"FileNew1Btn", "Nouveau"}, {"OpenBtn", "Ouvrir"},  {"SaveBtn", "Enregistrer"},  {"CutBtn", "Couper"},
      {"CopyBtn", "Copier"},      {"PasteBtn", "Coller"}, {"ExecButton", "Exécuter"}};
  for (const auto& [nom, aide] : boutons) {
    const QToolButton* bouton = p.fenetre.Bouton(QString::fromLatin1(nom));
    ASSERT_NE(bouton, nullptr) << nom;
    EXPECT_EQ(bouton->statusTip(), QString::fromUtf8(aide));
    const QImage image = bouton->icon().pixmap(bouton->iconSize()).toImage();
    int encre = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) encre += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
    EXPECT_GT(encre, 20) << nom;
  }
}

TEST(TMainForm, WhileAProgramRunsItsRefusedCommandsAreDisabledAndQuittingStopsItFirst) {
  Poste p;
  p.fenetre.FileNewItemClick()->Memo1()->setPlainText(QStringLiteral("DEBUT:\nGOTO DEBUT\n"));
  p.dialogues.Choix = Reponse::Non;
  QStringList pendant;
  QStringList boutonsPendant;
  bool fermee = true;
  const test::GardeFou garde(p.fenetre.Application().Hote());
  QTimer::singleShot(0, [&] {
    pendant = Actives(p, kRefusesPendantRun);
    boutonsPendant = BoutonsActifs(p);
    fermee = p.fenetre.close();
  });
  p.fenetre.Bouton(QStringLiteral("ExecButton"))->click();
  EXPECT_EQ(pendant, QStringList());
  EXPECT_EQ(boutonsPendant, QStringList({"FileNew1Btn", "OpenBtn", "CopyBtn"}));
  EXPECT_FALSE(fermee);
  ASSERT_TRUE(test::Attend([&] { return !p.fenetre.isVisible(); }));
  EXPECT_TRUE(p.fenetre.Editeurs().empty());
}

TEST(TMainForm, AWindowClosedDuringItsRunClosesOnceTheRunHasStopped) {
  Poste p;
  p.fenetre.FileNewItemClick()->Memo1()->setPlainText(QStringLiteral("DEBUT:\nGOTO DEBUT\n"));
  p.dialogues.Choix = Reponse::Non;
  const test::GardeFou garde(p.fenetre.Application().Hote());
  QTimer::singleShot(0, [&] { p.Commande("FileCloseItem")->trigger(); });
  p.Commande("Excuter1")->trigger();
  ASSERT_TRUE(test::Attend([&] { return p.fenetre.Zone()->subWindowList().isEmpty(); }));
  EXPECT_TRUE(p.fenetre.isVisible());
}

TEST(TMainForm, NewDocumentsTakeTheNumberOfOpenWindowsPlusOne) {
  Poste p;
  for (int k = 0; k < 3; ++k) p.Commande("FileNewItem")->trigger();
  EXPECT_EQ(p.Titres(), QStringList({"Korvane - BAS1.BAS", "Korvane - BAS2.BAS", "Korvane - BAS3.BAS"}));
  TEditeur* premier = p.fenetre.Editeurs().front();
  EXPECT_EQ(premier->Memo1()->textCursor().position(), premier->Memo1()->document()->characterCount() - 1);
  EXPECT_EQ(premier->Memo1()->textCursor().blockNumber(), 4);

  premier->parentWidget()->close();
  p.Commande("FileNewItem")->trigger();
  EXPECT_EQ(p.Titres(), QStringList({"Korvane - BAS2.BAS", "Korvane - BAS3.BAS", "Korvane - BAS3.BAS"}));
  EXPECT_EQ(p.fenetre.EditeurActif(), p.fenetre.Editeurs().back());
}

TEST(TMainForm, NewWindowsOpenWhollyInsideTheAreaAndACascadeKeepsTheirSize) {
  Poste p;
  p.fenetre.setWindowState(Qt::WindowNoState);
  p.fenetre.resize(760, 560);
  const QWidget& zone = *p.fenetre.Zone()->viewport();
  ASSERT_TRUE(test::Attend([&] { return zone.height() > 400 && zone.height() < 560; }));
  // Enough windows for the placement to come back to the top-left corner.
  for (int k = 0; k < 16; ++k) p.Commande("FileNewItem")->trigger();
  const auto verifie = [&](const char* quand) {
    for (const QMdiSubWindow* fenetre : p.fenetre.Zone()->subWindowList()) {
      SCOPED_TRACE(quand + fenetre->windowTitle().toStdString());
      EXPECT_TRUE(zone.rect().contains(fenetre->geometry()));
      EXPECT_GE(fenetre->width(), 502);
      EXPECT_GE(fenetre->height(), 265);
    }
  };
  verifie("new: ");
  p.Commande("WindowCascadeItem")->trigger();
  verifie("cascade: ");
}

TEST(TMainForm, OpenGivesANewWindowEvenOnAnOpenFileAndNoneOnAFileThatCannotBeRead) {
  Poste p;
  const QString chemin = p.dossier.filePath(QStringLiteral("prog.bas"));
  test::EcritOctets(chemin, "PRINT 1\r\n");
  p.dialogues.Fichier = chemin;
  p.Commande("FileOpenItem")->trigger();
  p.fenetre.Bouton(QStringLiteral("OpenBtn"))->click();
  EXPECT_EQ(p.Titres(), QStringList({"Korvane - prog.bas", "Korvane - prog.bas"}));
  EXPECT_EQ(p.fenetre.EditeurActif()->Memo1()->toPlainText(), QStringLiteral("PRINT 1\n"));
  ASSERT_EQ(p.dialogues.Demandes.size(), 2u);
  EXPECT_EQ(p.dialogues.Demandes[0].Filtre, QStringLiteral("Fichiers basic (*.bas)|*.bas|Tous les fichiers (*.*)|*.*"));
  EXPECT_EQ(p.dialogues.Demandes[0].Nom, QStringLiteral("*.bas"));

  p.dialogues.Fichier.clear();  // cancelled
  p.Commande("FileOpenItem")->trigger();
  EXPECT_EQ(p.fenetre.Ouvre(p.dossier.filePath(QStringLiteral("absent.bas"))), nullptr);
  EXPECT_EQ(p.Titres().size(), 2);
  EXPECT_EQ(p.messages.Textes.size(), 1);
}

// The mouse moved over `cible` without a button down.
void Survole(QWidget* cible, QPoint point) {
  QMouseEvent survol(QEvent::MouseMove, point, cible->mapToGlobal(point), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(cible, &survol);
}

TEST(TMainForm, TheHintUnderTheMouseShowsInTheStatusLine) {
  Poste p;
  p.fenetre.FileNewItemClick();
  QTest::mouseMove(p.fenetre.Bouton(QStringLiteral("ExecButton")));
  EXPECT_EQ(p.fenetre.StatusLine()->text(), QStringLiteral("Exécuter"));

  QMenuBar* barre = p.fenetre.menuBar();
  QAction* fichier = barre->actions().front();
  Survole(barre, barre->actionGeometry(fichier).center());
  EXPECT_EQ(p.fenetre.StatusLine()->text(), QStringLiteral("Quitter cette application"));

  QMenu* menu = fichier->menu();
  barre->setActiveAction(fichier);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
  // A menu takes no notice of the first move after it opens.
  const QPoint importer = menu->actionGeometry(p.Commande("Importer1")).center();
  Survole(menu, importer - QPoint(1, 0));
  Survole(menu, importer);
  EXPECT_EQ(p.fenetre.StatusLine()->text(), QStringLiteral("Importerr un fichier"));
  menu->close();
}

TEST(TMainForm, ADisabledMenuItemUnderTheMouseShowsItsOwnHint) {
  Poste p;
  QMenuBar* barre = p.fenetre.menuBar();
  QAction* fichier = barre->actions().front();
  QMenu* menu = fichier->menu();
  barre->setActiveAction(fichier);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
  QAction* fermer = p.Commande("FileCloseItem");
  ASSERT_FALSE(fermer->isEnabled());
  const QPoint ouvrir = menu->actionGeometry(p.Commande("FileOpenItem")).center();
  Survole(menu, ouvrir - QPoint(1, 0));
  Survole(menu, ouvrir);
  ASSERT_EQ(p.fenetre.StatusLine()->text(), QStringLiteral("Ouvrir un fichier existant"));
  Survole(menu, menu->actionGeometry(fermer).center());
  EXPECT_EQ(p.fenetre.StatusLine()->text(), fermer->statusTip());
  menu->close();
}

// The platform's time format, even though Qt's own texts are French.
TEST(TMainForm, TheClockPanelShowsTheTimeWithSecondsEachSecond) {
  QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
  const auto texte = [](QTime heure) { return QLocale::system().toString(heure, FormatHeure(QLocale::system())); };
  Poste p;
  EXPECT_EQ(p.fenetre.Panel2()->text(), texte(QTime(9, 5, 7)));
  EXPECT_TRUE(p.fenetre.Panel2()->text().contains(QStringLiteral("9:05:07")));
  EXPECT_TRUE(p.fenetre.Timer1()->isActive());
  EXPECT_EQ(p.fenetre.Timer1()->interval(), 1000);
  p.heure_ = QTime(23, 59, 58);
  p.fenetre.Timer1Timer();
  EXPECT_EQ(p.fenetre.Panel2()->text(), texte(QTime(23, 59, 58)));
  QLocale::setDefault(QLocale::c());
}

TEST(TMainForm, TheTimeFormatIsTheLocalesWithSecondsAndNoZone) {
  const std::pair<QLocale, const char*> cas[] = {
      {QLocale(QLocale::French, QLocale::France), "HH:mm:ss"},
      {QLocale(QLocale::English, QLocale::UnitedStates), "h:mm:ss AP"},
      {QLocale(QLocale::German, QLocale::Germany), "HH:mm:ss"},
  };
  for (const auto& [locale, format] : cas) EXPECT_EQ(FormatHeure(locale), QString::fromLatin1(format)) << format;
}

TEST(TMainForm, TheSingleWindowsAreItsChildrenCreatedOnceInOrder) {
  Poste p;
  // The input box belongs to the run window, so that it shows above it.
  EXPECT_EQ(p.fenetre.Application().Hote().Saisie().parent(), &p.fenetre.Application().Hote().Fenetre());
  // Each window's own class, as Qt knows it.
  const QString espace = QStringLiteral("korvane::");
  QStringList ordre;
  for (const QObject* enfant : p.fenetre.children())
    if (const QString classe = QString::fromLatin1(enfant->metaObject()->className()); classe.startsWith(espace))
      ordre << classe.mid(espace.size());
  EXPECT_EQ(ordre, QStringList({"TAboutBox", "TListeSel", "TTableSymboles", "TVariable", "TMotsCle", "TBoucleFor",
                                "TBoucleWhile", "TConditionIf", "TFileIO", "TForm3", "TParametres",
                                "TCalendrier", "THorloge", "TPocket", "TAide"}));
}

TEST(TMainForm, TheHelpMenuOpensTheHelpWindowOnItsThreeRequestsAndTheAboutBoxWithoutBlocking) {
  Poste p;
  TAide& aide = p.fenetre.Aide();
  const auto etat = [&aide] {
    return QStringList{QString::number(aide.Onglets()->currentIndex()), aide.Page()->source().toString(),
                       aide.Recherche()->text(), aide.isVisible() ? QStringLiteral("visible") : QString()};
  };
  const std::pair<const char*, void (TAide::*)()> cas[] = {
      {"HelpContentsItem", &TAide::HContents}, {"HelpSearchItem", &TAide::HSearch}, {"HelpHowToUseItem", &TAide::HowToUse}};
  for (const auto& [commande, requete] : cas) {
    aide.hide();
    aide.Recherche()->setText(QStringLiteral("PRINT"));
    p.Commande(commande)->trigger();
    const QStringList parLeMenu = etat();
    aide.hide();
    aide.Recherche()->setText(QStringLiteral("PRINT"));
    (aide.*requete)();
    EXPECT_EQ(parLeMenu, etat()) << commande;
    EXPECT_TRUE(aide.isVisible()) << commande;
  }
  p.Commande("HelpAboutItem")->trigger();
  EXPECT_TRUE(p.fenetre.AboutBox().isVisible());
  EXPECT_FALSE(p.fenetre.AboutBox().isModal());
}

TEST(TMainForm, TheHelpWindowOpensCentredOnTheMainWindow) {
  Poste p;
  p.fenetre.setGeometry(QRect(140, 90, 1000, 700));
  TAide& aide = p.fenetre.Aide();
  p.Commande("HelpContentsItem")->trigger();
  ASSERT_TRUE(aide.isVisible());
  EXPECT_EQ(aide.frameGeometry().center(), p.fenetre.frameGeometry().center());
  aide.hide();
}

TEST(TMainForm, TheProgrammerAndUtilitiesItemsShowTheirDialogs) {
  Poste p;
  p.fenetre.FileNewItemClick();
  QStringList titres;
  p.dialogues.Utilisateur = [&titres](QDialog& dialogue) { titres << dialogue.windowTitle(); };
  for (const char* nom : {"Motscl1", "bouclefor1", "Bouclewhile1", "Boucledo1", "If1", "Lecturefichier1",
                          "Ecriturefichier1", "Calendrier1", "Calculatrice1", "Horloge1"})
    p.Commande(nom)->trigger();
  EXPECT_EQ(titres, QStringList({"Mots clé", "Boucle For", "Boucle While", "Boucle Do", "Condition If",
                                 "Lecture / Ecriture fichier", "Lecture / Ecriture fichier", "Calendrier",
                                 "Calculatrice", "Horloge"}));
}

TEST(TMainForm, StepModeFollowsItsCheckMarkAndAnActivationClearsBoth) {
  Poste p;
  p.Commande("FileNewItem")->trigger();
  p.Commande("Pasapas")->trigger();
  EXPECT_EQ(p.fenetre.Application().Controle().PasAPas, 1);
  EXPECT_TRUE(p.Commande("Pasapas")->isChecked());
  p.Commande("FileNewItem")->trigger();
  EXPECT_EQ(p.fenetre.Application().Controle().PasAPas, 0);
  EXPECT_FALSE(p.Commande("Pasapas")->isChecked());
}

TEST(TMainForm, RunControlKeysWorkFromTheRunWindowWhileTheClipboardKeysStayWithTheMainWindow) {
  Poste p;
  TEditeur& editeur = *p.fenetre.FileNewItemClick();
  QPlainTextEdit& memo = *editeur.Memo1();
  memo.setPlainText(QStringLiteral("DIM A AS INTEGER\nA = 1\nA = 2\n"));
  p.Commande("Pasapas")->trigger();
  TForm3& ecran = p.fenetre.Application().Hote().Fenetre();
  // Each step leaves the keyboard in the run window; the first key finds it there too.
  const auto frappe = [&](Qt::Key touche, Qt::KeyboardModifiers modificateurs = Qt::NoModifier) {
    ecran.show();
    ecran.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ecran));
    QTest::keyClick(&ecran, touche, modificateurs);
  };
  const auto ligne = [&](int k) { return memo.document()->findBlockByNumber(k).text(); };
  frappe(Qt::Key_F9);
  EXPECT_EQ(ligne(1), QStringLiteral("\u2022A = 1"));
  frappe(Qt::Key_F7);
  EXPECT_EQ(ligne(2), QStringLiteral("\u2022A = 2"));
  memo.moveCursor(QTextCursor::Start);
  frappe(Qt::Key_F5);
  EXPECT_EQ(ligne(0), QStringLiteral("\u00BBDIM A AS INTEGER"));
  memo.selectAll();
  frappe(Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(ligne(0), QStringLiteral("\u00BBDIM A AS INTEGER"));
}

TEST(TMainForm, TheWindowMenuListsTheWindowsAndMinimisesThemAll) {
  Poste p;
  p.Commande("FileNewItem")->trigger();
  p.Commande("FileNewItem")->trigger();
  emit p.fenetre.MenuFenetre()->aboutToShow();
  QStringList liste;
  for (const QAction* action : p.fenetre.MenuFenetre()->actions())
    if (action->isCheckable()) liste << action->text() + (action->isChecked() ? QStringLiteral(" *") : QString());
  EXPECT_EQ(liste, QStringList({"&1 Korvane - BAS1.BAS", "&2 Korvane - BAS2.BAS *"}));

  p.Commande("WindowMinimizeItem")->trigger();
  for (const QMdiSubWindow* fenetre : p.fenetre.Zone()->subWindowList()) EXPECT_TRUE(fenetre->isMinimized());
  p.Commande("WindowArrangeItem")->trigger();
  const QList<QMdiSubWindow*> fenetres = p.fenetre.Zone()->subWindowList();
  EXPECT_EQ(fenetres[0]->geometry().bottom(), p.fenetre.Zone()->viewport()->height() - 1);
  EXPECT_EQ(fenetres[1]->x(), fenetres[0]->geometry().right() + 1);
}

TEST(TMainForm, ExitAsksEveryEditorAndACancelKeepsTheApplicationOpen) {
  Poste p;
  p.fenetre.FileNewItemClick()->Memo1()->insertPlainText(QStringLiteral("PRINT 1\n"));
  p.dialogues.Choix = Reponse::Annuler;
  EXPECT_FALSE(p.fenetre.close());
  EXPECT_EQ(p.Titres().size(), 1);
  EXPECT_EQ(p.dialogues.Questions.size(), 1);
  // "Oui", then a cancelled save dialog: nothing is written, so nothing closes.
  p.dialogues.Choix = Reponse::Oui;
  EXPECT_FALSE(p.fenetre.close());
  EXPECT_EQ(p.Titres().size(), 1);
  p.dialogues.Choix = Reponse::Non;
  EXPECT_TRUE(p.fenetre.close());
}

TEST(TMainForm, MemoryRunningOutInACommandIsToldAndTheDocumentsStay) {
  Poste p;
  p.fenetre.FileNewItemClick()->Memo1()->insertPlainText(QStringLiteral("PRINT 1\n"));
  auto* application = qobject_cast<ApplicationKorvane*>(QCoreApplication::instance());
  ASSERT_NE(application, nullptr);
  application->MessagesVers(&p.messages);
  QAction commande;
  QObject::connect(&commande, &QAction::triggered, [] { throw std::bad_alloc(); });
  QTimer::singleShot(0, &commande, &QAction::trigger);
  ASSERT_TRUE(test::Attend([&] { return !p.messages.Textes.isEmpty(); }));
  EXPECT_EQ(p.messages.Textes, QStringList{QStringLiteral("Mémoire insuffisante")});
  application->MessagesVers(nullptr);
  EXPECT_EQ(p.Titres().size(), 1);
  EXPECT_TRUE(p.fenetre.EditeurActif()->Modifie());
}

TEST(TMainForm, ExitRestoresTheStartFolderOrSaysWhyItCannot) {
  const QString avant = QDir::currentPath();
  for (const bool supprime : {false, true}) {
    QTemporaryDir depart;
    QDir::setCurrent(depart.path());
    MessagesNotes messages;
    FauxDialogues dialogues;
    {
      TMainForm fenetre(messages, dialogues, SortieImpression{false, depart.path()});
      fenetre.show();
      QDir::setCurrent(avant);
      if (supprime) depart.remove();
      fenetre.close();
    }
    EXPECT_EQ(QDir::currentPath() == depart.path(), !supprime);
    EXPECT_EQ(messages.Textes.size(), supprime ? 1 : 0);
    QDir::setCurrent(avant);
  }
}

TEST(TMainForm, PrinterSetupWithoutAPrinterSaysWhereJobsGo) {
  Poste p;
  p.Commande("Configurationimpression1")->trigger();
  EXPECT_EQ(p.dialogues.Configurations, 0);
  ASSERT_EQ(p.messages.Textes.size(), 1);
  EXPECT_TRUE(p.messages.Textes[0].startsWith(QStringLiteral("Aucune imprimante")));
}

}  // namespace
}  // namespace korvane
