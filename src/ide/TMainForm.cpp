#include "ide/TMainForm.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLocale>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPrinterInfo>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTextCursor>
#include <QTextDocument>
#include <QVariant>
#include <QVBoxLayout>
#include <algorithm>
#include <ranges>

#include "screen/TexteQt.h"
#include "tools/Apparence.h"

namespace korvane {

namespace {

const QString kFiltreOuverture = QStringLiteral("Fichiers basic (*.bas)|*.bas|Tous les fichiers (*.*)|*.*");
const QString kPrefixeTitre = QStringLiteral("Korvane - ");
const char* const kBesoin = "besoin";

// When a command may run.
enum class Besoin {
  Rien,          // always
  Editeur,       // an editor window is open
  EditeurLibre,  // and the active one is not running a program (it refuses edits then)
  AucunRun,      // and no program is running anywhere
};

// Qt gives no hint for a disabled item and clears the last one, so the status line would
// not describe the item under the mouse.
class MenuAvecAides : public QMenu {
  Q_OBJECT

 public:
  MenuAvecAides(const QString& titre, QWidget* parent) : QMenu(titre, parent) {}

 protected:
  void mouseMoveEvent(QMouseEvent* evenement) override {
    QMenu::mouseMoveEvent(evenement);
    QAction* sous = actionAt(evenement->position().toPoint());
    // The hint goes through the menu bar: a popup menu does not pass it on to its window.
    if (sous != nullptr && !sous->isEnabled() && !sous->isSeparator()) sous->showStatusText(parentWidget());
  }
};

struct BoutonRapide {
  const char* nom;
  const char* aide;
  const char* commande;
  const char* icone;  // the freedesktop name; ours stands in when the theme has none
  const char* fichier;
};

constexpr BoutonRapide kBoutons[] = {
    {"FileNew1Btn", "Nouveau", "FileNewItem", "document-new", "nouveau"},
    {"OpenBtn", "Ouvrir", "FileOpenItem", "document-open", "ouvrir"},
    {"SaveBtn", "Enregistrer", "FileSaveItem", "document-save", "enregistrer"},
    {"CutBtn", "Couper", "CutItem", "edit-cut", "couper"},
    {"CopyBtn", "Copier", "CopyItem", "edit-copy", "copier"},
    {"PasteBtn", "Coller", "PasteItem", "edit-paste", "coller"},
    {"ExecButton", "Exécuter", "Excuter1", "media-playback-start", "executer"},
};

QString Texte(const char* utf8) { return QString::fromUtf8(utf8); }

QLabel* Panneau(QWidget* parent) {
  auto* panneau = new QLabel(parent);
  panneau->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  return panneau;
}

// The .bas and .txt files among what is dragged, in their order.
QStringList ProgrammesDeposes(const QMimeData* donnees) {
  QStringList chemins;
  if (donnees == nullptr) return chemins;
  for (const QUrl& url : donnees->urls()) {
    const QString chemin = url.toLocalFile();
    const QString suffixe = QFileInfo(chemin).suffix().toLower();
    if (!chemin.isEmpty() && (suffixe == QLatin1String("bas") || suffixe == QLatin1String("txt"))) chemins << chemin;
  }
  return chemins;
}

// The caret's place as the status bar shows it, both counted from 1.
QString TextePosition(int ligne, int colonne) {
  return QStringLiteral("Ligne %1, col. %2").arg(ligne).arg(colonne);
}

}  // namespace

QString FormatHeure(const QLocale& locale) {
  QString format = locale.timeFormat(QLocale::LongFormat);
  format.remove(QLatin1Char('t'));
  return format.trimmed();
}

struct TMainForm::Article {
  const char* nom;
  const char* texte;  // nullptr: a separator
  QKeySequence touche;
  const char* aide;
  Besoin besoin;
  std::function<void()> action;
};

TMainForm::TMainForm(BoitesMessage& messages, DialoguesEditeur& dialogues, SortieImpression impression,
                     std::function<QTime()> heure)
    : messages_(messages),
      dialogues_(dialogues),
      impression_(impression),
      heure_(std::move(heure)),
      aboutBox_(this),
      atelier_(messages, dialogues, impression, this),
      aide_(this),
      zone_(new QMdiArea),
      timer1_(new QTimer(this)) {
  setWindowTitle(QStringLiteral("Korvane"));
  resize(513, 348);
  setAcceptDrops(true);

  auto* centre = new QWidget;
  auto* pile = new QVBoxLayout(centre);
  pile->setContentsMargins(0, 0, 0, 0);
  pile->setSpacing(0);
  auto* speedPanel = new QFrame;
  speedPanel->setObjectName(QStringLiteral("SpeedPanel"));
  speedPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  speedPanel->setFixedHeight(33);
  pile->addWidget(speedPanel);
  pile->addWidget(zone_, 1);
  pile->addWidget(CreeBarreEtat());
  setCentralWidget(centre);

  CreeMenus();
  AjouteAnnulation();
  AjouteRaccourcis();
  CreeBoutons(speedPanel);

  connect(zone_, &QMdiArea::subWindowActivated, this, &TMainForm::Active);
  atelier_.Controle().SurChangement([this] {
    UpdateMenuItems();
    if (fermetureApresRun_ && !atelier_.Controle().EnCours()) QTimer::singleShot(0, this, &QWidget::close);
  });
  connect(timer1_, &QTimer::timeout, this, &TMainForm::Timer1Timer);
  timer1_->start(1000);
  Timer1Timer();
  UpdateMenuItems();
}

TMainForm::~TMainForm() {
  // The editor windows go first: closing one tells the application object.
  disconnect(zone_, nullptr, this, nullptr);
  for (QMdiSubWindow* fenetre : zone_->subWindowList()) delete fenetre;
}

QWidget* TMainForm::CreeBarreEtat() {
  auto* panel1 = new QWidget;
  panel1->setObjectName(QStringLiteral("Panel1"));
  panel1->setFixedHeight(28);
  auto* rangee = new QHBoxLayout(panel1);
  rangee->setContentsMargins(1, 1, 1, 1);
  rangee->setSpacing(1);
  statusLine_ = Panneau(panel1);
  statusLine_->setObjectName(QStringLiteral("StatusLine"));
  statusLine_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  Colore(statusLine_, QPalette::WindowText, Qt::black);
  panel2_ = Panneau(panel1);
  panel2_->setObjectName(QStringLiteral("Panel2"));
  panel2_->setAlignment(Qt::AlignCenter);
  panel2_->setFixedWidth(76);
  rangee->addWidget(statusLine_, 1);
  rangee->addWidget(CreePanneauPosition(panel1));
  rangee->addWidget(panel2_);
  return panel1;
}

QLabel* TMainForm::CreePanneauPosition(QWidget* parent) {
  panelPosition_ = Panneau(parent);
  panelPosition_->setObjectName(QStringLiteral("PanelPosition"));
  panelPosition_->setAlignment(Qt::AlignCenter);
  const int marges = 2 * (panelPosition_->frameWidth() + panelPosition_->margin()) + 8;
  panelPosition_->setFixedWidth(panelPosition_->fontMetrics().horizontalAdvance(TextePosition(99999, 9999)) + marges);
  return panelPosition_;
}

void TMainForm::CreeMenus() {
  const auto surEditeur = [this](std::function<void(TEditeur&)> commande) {
    return [this, commande] {
      if (TEditeur* editeur = EditeurActif()) commande(*editeur);
    };
  };
  struct Menu {
    const char* titre;
    const char* aide;
    std::vector<Article> articles;
  };
  const Menu menus[] = {
      {"&Fichier",
       "Quitter cette application",
       {
           {"FileNewItem", "&Nouveau", {}, "Créer un nouveau fichier", Besoin::Rien, [this] { FileNewItemClick(); }},
           {"FileOpenItem", "&Ouvrir", {}, "Ouvrir un fichier existant", Besoin::Rien, [this] { FileOpenItemClick(); }},
           {"FileCloseItem", "&Fermer", {}, "Fermer le fichier en cours", Besoin::Editeur,
            [this] {
              if (QMdiSubWindow* fenetre = zone_->currentSubWindow()) fenetre->close();
            }},
           {},
           {"FileSaveItem", "&Enregistrer", {}, "Enregistrer le fichier en cours", Besoin::EditeurLibre,
            surEditeur([](TEditeur& e) { e.Enregistrer(); })},
           {"FileSaveAsItem", "Enregistrer &sous...", {}, "Enregistrer le fichier en cours sous...",
            Besoin::EditeurLibre, surEditeur([](TEditeur& e) { e.SaveAs(); })},
           {"Importer1", "I&mporter", {}, "Importerr un fichier", Besoin::EditeurLibre,
            surEditeur([](TEditeur& e) { e.Importer(); })},
           {},
           {"Imprimer1", "&Imprimer...", {}, "Imprimer le fichier", Besoin::EditeurLibre,
            surEditeur([](TEditeur& e) { e.Imprimer(); })},
           {"Configurationimpression1", "&Configuration impression...", {}, "Configurer l'imprimante", Besoin::Rien,
            [this] { Configurationimpression1Click(); }},
           {},
           {"FileExitItem", "&Quitter", {}, "Quitter l'application", Besoin::Rien, [this] { close(); }},
       }},
      {"&Edition",
       "",
       {
           {"CutItem", "&Couper", QKeySequence(Qt::CTRL | Qt::Key_X), "Couper vers le Presse-papiers",
            Besoin::EditeurLibre, surEditeur([](TEditeur& e) { e.Couper(); })},
           {"CopyItem", "Co&pier", QKeySequence(Qt::CTRL | Qt::Key_C), "Copier vers le Presse-papiers",
            Besoin::Editeur, surEditeur([](TEditeur& e) { e.Copier(); })},
           {"PasteItem", "C&oller", QKeySequence(Qt::CTRL | Qt::Key_V), "Coller depuis le Presse-papiers",
            Besoin::EditeurLibre, surEditeur([](TEditeur& e) { e.Coller(); })},
           {"Toutslectionner1", "&Tout sélectionner", {}, "Sélectionner tout le texte", Besoin::Editeur,
            surEditeur([](TEditeur& e) { e.ToutSelectionner(); })},
           {},
           {"Rechercher1", "Rec&hercher...", {}, "Rechercher le texte", Besoin::Editeur,
            surEditeur([](TEditeur& e) { e.Recherche().Chercher(); })},
           {"Continuer1", "Co&ntinuer", QKeySequence(Qt::Key_F3), "Continer la recherche", Besoin::Editeur,
            surEditeur([](TEditeur& e) { e.Recherche().Continuer(); })},
           {"Remplacer1", "Re&mplacer...", {}, "Remplacer un texte", Besoin::EditeurLibre,
            surEditeur([](TEditeur& e) { e.Recherche().Remplacer(); })},
       }},
      {"&Voir",
       "",
       {
           {"subs1", "&Subs...", QKeySequence(Qt::Key_F2), "voir liste des subs", Besoin::Editeur,
            surEditeur([this](TEditeur& e) { atelier_.ListeSubs(e); })},
           {"Tabledessymboles1", "&Table des symboles", {}, "Afficher la table des symboles", Besoin::Editeur,
            [this] { atelier_.Stats(); }},
           {"Examinervariable1", "&Examiner variable...", {}, "Voir la valeur de la variable", Besoin::Editeur,
            [this] { atelier_.Examiner(); }},
       }},
      {"E&xécuter",
       "",
       {
           {"Excuter1", "&Exécuter", QKeySequence(Qt::Key_F9), "Exécuter le programme", Besoin::AucunRun,
            surEditeur([this](TEditeur& e) { atelier_.Executer(e); })},
           {},
           {"Pointdarrt1", "&Point d'arrêt", QKeySequence(Qt::Key_F5), "Poser un point d'arrêt", Besoin::AucunRun,
            surEditeur([this](TEditeur& e) { atelier_.Arret(e); })},
           {"Continuer2", "&Continuer", QKeySequence(Qt::Key_F7), "Continue l'éxécution", Besoin::AucunRun,
            surEditeur([this](TEditeur& e) { atelier_.Continuer(e); })},
           {"Pasapas", "&Mode pas à pas", {}, "Exécute en pas à pas", Besoin::Editeur, [this] { PasapasClick(); }},
           {"Paramtres1", "P&aramètres...", {}, "Paramètres d'exécution", Besoin::Editeur,
            [this] { atelier_.Param(); }},
       }},
      {"&Programmer",
       "",
       {
           {"Motscl1", "&Mots clé...", {}, "Mots clé du basic", Besoin::EditeurLibre,
            surEditeur([](TEditeur& e) { e.Instructions(); })},
           {"bouclefor1", "Boucle &For...", {}, "Générer boucle for", Besoin::EditeurLibre,
            surEditeur([](TEditeur& e) { e.Forg(); })},
           {"Bouclewhile1", "Boucle &While...", {}, "Générer boucle while", Besoin::EditeurLibre,
            surEditeur([](TEditeur& e) { e.Whileg(); })},
           {"Boucledo1", "Boucle &Do...", {}, "Générer boucle do", Besoin::EditeurLibre,
            surEditeur([](TEditeur& e) { e.dog(); })},
           {"If1", "Condition &If...", {}, "Générer test if", Besoin::EditeurLibre,
            surEditeur([](TEditeur& e) { e.Ifg(); })},
           {"Lecturefichier1", "&Lecture fichier...", {}, "Ouvrir un fichier en lecture", Besoin::EditeurLibre,
            surEditeur([](TEditeur& e) { e.LireF(); })},
           {"Ecriturefichier1", "&Ecriture fichier...", {}, "Ouvrir un fichier en écriture", Besoin::EditeurLibre,
            surEditeur([](TEditeur& e) { e.EcrireF(); })},
       }},
      {"&Utilitaires",
       "",
       {
           {"Calendrier1", "&Calendrier", {}, "Calendrier", Besoin::Rien, [this] { atelier_.Calendrier(); }},
           {"Calculatrice1", "C&alculatrice", {}, "Calculatrice", Besoin::Rien, [this] { atelier_.Calculatrice(); }},
           {"Horloge1", "&Horloge", {}, "Horloge", Besoin::Rien, [this] { atelier_.Horloge(); }},
       }},
      {"Fe&nêtre",
       "Commandes de fenêtres telles que Mosaïque et Cascade",
       {
           {"WindowCascadeItem", "&Cascade", {}, "Disposer les fenêtres en recouvrement", Besoin::Editeur,
            [this] { WindowCascadeItemClick(); }},
           {"WindowTileItem", "&Mosaïque", {}, "Disposer les fenêtres sans recouvrement", Besoin::Editeur,
            [this] { zone_->tileSubWindows(); }},
           {"WindowArrangeItem", "&Réorganiser les icônes", {}, "Disposer les fenêtres en bas de la fenêtre principale",
            Besoin::Editeur, [this] { WindowArrangeItemClick(); }},
           {"WindowMinimizeItem", "&Tout réduire", {}, "Minimiser toutes les fenêtres", Besoin::Editeur,
            [this] { WindowMinimizeItemClick(); }},
       }},
      {"&Aide",
       "Sujets d'aide",
       {
           {"HelpContentsItem", "&Index", {}, "Index", Besoin::Rien, [this] { aide_.HContents(); }},
           {"HelpSearchItem", "&Rechercher", {}, "Rechercher", Besoin::Rien, [this] { aide_.HSearch(); }},
           {"HelpHowToUseItem", "&Utiliser l'aide", {}, "Utiliser l'aide", Besoin::Rien, [this] { aide_.HowToUse(); }},
           {},
           {"HelpAboutItem", "&A propos", {}, "Informations sur le logiciel", Besoin::Rien,
            [this] {
              aboutBox_.show();
              aboutBox_.raise();
              aboutBox_.activateWindow();
            }},
       }},
  };

  for (const Menu& description : menus) {
    QMenu* menu = new MenuAvecAides(Texte(description.titre), menuBar());
    menuBar()->addMenu(menu);
    menu->menuAction()->setStatusTip(Texte(description.aide));
    for (const Article& article : description.articles) {
      if (article.texte == nullptr) {
        menu->addSeparator();
        continue;
      }
      QAction* action = menu->addAction(Texte(article.texte));
      action->setObjectName(QString::fromLatin1(article.nom));
      action->setStatusTip(Texte(article.aide));
      action->setShortcut(article.touche);
      // The function keys (run control, search, subs) work from every Korvane window, as the
      // run window has the keyboard after each run and step. The clipboard keys stay with the
      // main window, so that a dialog's own text field keeps them.
      if (!article.touche.isEmpty() && article.touche[0].keyboardModifiers() == Qt::NoModifier)
        action->setShortcutContext(Qt::ApplicationShortcut);
      action->setProperty(kBesoin, static_cast<int>(article.besoin));
      if (article.action) connect(action, &QAction::triggered, this, article.action);
    }
    if (description.titre == std::string_view("Fe&nêtre")) menuFenetre_ = menu;
    if (description.titre == std::string_view("&Edition")) menuEdition_ = menu;
  }
  Commande(QStringLiteral("Pasapas"))->setCheckable(true);
  connect(menuFenetre_, &QMenu::aboutToShow, this, &TMainForm::RemplitMenuFenetre);
}

void TMainForm::CreeBoutons(QWidget* panneau) {
  auto* rangee = new QHBoxLayout(panneau);
  rangee->setContentsMargins(3, 2, 3, 2);
  rangee->setSpacing(1);
  for (const BoutonRapide& description : kBoutons) {
    QAction* action = Commande(QString::fromLatin1(description.commande));
    auto* bouton = new QToolButton(panneau);
    bouton->setObjectName(QString::fromLatin1(description.nom));
    bouton->setAutoRaise(true);
    bouton->setFixedSize(27, 27);
    bouton->setIconSize(QSize(20, 20));
    const QIcon notre(QStringLiteral(":/korvane/boutons/%1.svg").arg(QString::fromLatin1(description.fichier)));
    bouton->setIcon(QIcon::fromTheme(QString::fromLatin1(description.icone), notre));
    const QString aide = Texte(description.aide);
    bouton->setToolTip(aide);
    bouton->setStatusTip(aide);
    bouton->setFocusPolicy(Qt::NoFocus);
    connect(bouton, &QToolButton::clicked, action, &QAction::trigger);
    rangee->addWidget(bouton);
  }
  rangee->addStretch();
}

QAction* TMainForm::Commande(const QString& nom) const { return menuBar()->findChild<QAction*>(nom); }

QToolButton* TMainForm::Bouton(const QString& nom) const { return findChild<QToolButton*>(nom); }

std::vector<QMdiSubWindow*> TMainForm::FenetresOuvertes() const {
  // A closed window lingers until it is deleted; it no longer counts.
  std::vector<QMdiSubWindow*> ouvertes;
  for (QMdiSubWindow* fenetre : zone_->subWindowList())
    if (!fenetre->isHidden()) ouvertes.push_back(fenetre);
  return ouvertes;
}

std::vector<TEditeur*> TMainForm::Editeurs() const {
  std::vector<TEditeur*> editeurs;
  for (QMdiSubWindow* fenetre : FenetresOuvertes())
    if (auto* editeur = qobject_cast<TEditeur*>(fenetre->widget())) editeurs.push_back(editeur);
  return editeurs;
}

TEditeur* TMainForm::EditeurActif() const {
  // The current window stays current while another top-level window (the run window) is active.
  QMdiSubWindow* fenetre = zone_->currentSubWindow();
  return fenetre != nullptr && !fenetre->isHidden() ? qobject_cast<TEditeur*>(fenetre->widget()) : nullptr;
}

void TMainForm::UpdateMenuItems() {
  const TEditeur* actif = EditeurActif();
  const bool editeur = !FenetresOuvertes().empty() && actif != nullptr;
  const bool editeurLibre = editeur && !actif->ExecutionEnCours();
  const bool aucunRun = editeur && !atelier_.Controle().EnCours();
  for (QAction* action : menuBar()->findChildren<QAction*>()) {
    const QVariant besoin = action->property(kBesoin);
    if (!besoin.isValid()) continue;
    switch (static_cast<Besoin>(besoin.toInt())) {
      case Besoin::Rien:
        break;
      case Besoin::Editeur:
        action->setEnabled(editeur);
        break;
      case Besoin::EditeurLibre:
        action->setEnabled(editeurLibre);
        break;
      case Besoin::AucunRun:
        action->setEnabled(aucunRun);
        break;
    }
  }
  for (const BoutonRapide& description : kBoutons)
    Bouton(QString::fromLatin1(description.nom))
        ->setEnabled(Commande(QString::fromLatin1(description.commande))->isEnabled());
  // An activation turns step mode off: the check mark says so.
  Commande(QStringLiteral("Pasapas"))->setChecked(atelier_.Controle().PasAPas == 1);
  SuitEditeurActif();
}

void TMainForm::AjouteRaccourcis() {
  struct Raccourci {
    const char* commande;
    QList<QKeySequence> touches;
    // A document command works from every Korvane window, as the function keys do; an
    // editing key belongs to the window that has the keyboard.
    Qt::ShortcutContext portee;
  };
  const Raccourci raccourcis[] = {
      {"FileNewItem", {QKeySequence(Qt::CTRL | Qt::Key_N)}, Qt::ApplicationShortcut},
      {"FileOpenItem", {QKeySequence(Qt::CTRL | Qt::Key_O)}, Qt::ApplicationShortcut},
      {"FileSaveItem", {QKeySequence(Qt::CTRL | Qt::Key_S)}, Qt::ApplicationShortcut},
      {"FileSaveAsItem", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}, Qt::ApplicationShortcut},
      {"Imprimer1", {QKeySequence(Qt::CTRL | Qt::Key_P)}, Qt::ApplicationShortcut},
      {"Rechercher1", {QKeySequence(Qt::CTRL | Qt::Key_F)}, Qt::ApplicationShortcut},
      {"Remplacer1", {QKeySequence(Qt::CTRL | Qt::Key_H)}, Qt::ApplicationShortcut},
      {"Annulerlafrappe1", {QKeySequence(Qt::CTRL | Qt::Key_Z)}, Qt::WindowShortcut},
      {"Rtablir1", {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
       Qt::WindowShortcut},
      {"Toutslectionner1", {QKeySequence(Qt::CTRL | Qt::Key_A)}, Qt::WindowShortcut},
  };
  for (const Raccourci& raccourci : raccourcis) {
    QAction* action = Commande(QString::fromLatin1(raccourci.commande));
    action->setShortcuts(raccourci.touches);
    action->setShortcutContext(raccourci.portee);
  }
}

void TMainForm::AjouteAnnulation() {
  const auto cree = [this](const char* nom, const char* texte, const char* aide, void (QPlainTextEdit::*geste)()) {
    auto* action = new QAction(Texte(texte), menuEdition_);
    action->setObjectName(QString::fromLatin1(nom));
    action->setStatusTip(Texte(aide));
    connect(action, &QAction::triggered, this, [this, geste] {
      if (TEditeur* editeur = EditeurActif(); editeur != nullptr && !editeur->ExecutionEnCours())
        (editeur->Memo1()->*geste)();
    });
    return action;
  };
  QAction* premier = menuEdition_->actions().value(0);
  menuEdition_->insertActions(premier, {cree("Annulerlafrappe1", "&Annuler la frappe", "Annuler la dernière modification",
                                             &QPlainTextEdit::undo),
                                        cree("Rtablir1", "&Rétablir", "Rétablir la modification annulée",
                                             &QPlainTextEdit::redo)});
  menuEdition_->insertSeparator(premier);
}

void TMainForm::SuitEditeurActif() {
  const TEditeur* actif = EditeurActif();
  colmemo::TColorMemo* memo = actif != nullptr ? actif->Memo1() : nullptr;
  if (memo != memoSuivi_) {
    if (memoSuivi_ != nullptr) disconnect(memoSuivi_, nullptr, this, nullptr);
    memoSuivi_ = memo;
    if (memo != nullptr) {
      connect(memo, &QPlainTextEdit::undoAvailable, this, &TMainForm::MetAJourAnnulation);
      connect(memo, &QPlainTextEdit::redoAvailable, this, &TMainForm::MetAJourAnnulation);
      connect(memo, &QPlainTextEdit::cursorPositionChanged, this, &TMainForm::MetAJourPosition);
    }
  }
  MetAJourAnnulation();
  MetAJourPosition();
}

void TMainForm::MetAJourPosition() {
  if (memoSuivi_ == nullptr) {
    panelPosition_->clear();
    return;
  }
  const QTextCursor curseur = memoSuivi_->textCursor();
  panelPosition_->setText(TextePosition(curseur.blockNumber() + 1, curseur.positionInBlock() + 1));
}

void TMainForm::MetAJourAnnulation() {
  const TEditeur* actif = EditeurActif();
  const QTextDocument* document =
      actif != nullptr && !actif->ExecutionEnCours() ? actif->Memo1()->document() : nullptr;
  Commande(QStringLiteral("Annulerlafrappe1"))->setEnabled(document != nullptr && document->isUndoAvailable());
  Commande(QStringLiteral("Rtablir1"))->setEnabled(document != nullptr && document->isRedoAvailable());
}

void TMainForm::Timer1Timer() {
  const QLocale plateforme = QLocale::system();
  panel2_->setText(plateforme.toString(heure_(), FormatHeure(plateforme)));
}

TEditeur* TMainForm::AjouteEditeur(const QString& titre) {
  TEditeur* editeur = atelier_.NouvelEditeur().release();
  editeur->setWindowTitle(titre);
  // The editor's size is the window's outer size, frame included.
  const QSize taille = editeur->size();
  QMdiSubWindow* fenetre = zone_->addSubWindow(editeur);
  fenetre->setAttribute(Qt::WA_DeleteOnClose);
  // A file dropped on the text opens too, instead of its name being typed in.
  editeur->Memo1()->viewport()->installEventFilter(this);
  fenetre->resize(taille);
  // Not shown yet, the new window is not among the open ones.
  fenetre->move(PositionEnCascade(static_cast<int>(FenetresOuvertes().size()), *fenetre));
  fenetre->show();
  zone_->setActiveSubWindow(fenetre);
  // Activation is not told when the main window is not active: make sure of it.
  Active(fenetre);
  return editeur;
}

TEditeur* TMainForm::FileNewItemClick() {
  const auto numero = static_cast<int>(FenetresOuvertes().size()) + 1;
  return AjouteEditeur(QStringLiteral("Korvane - BAS%1.BAS").arg(numero));
}

void TMainForm::FileOpenItemClick() {
  const QString chemin =
      dialogues_.NomOuverture(this, QStringLiteral("Ouvrir"), kFiltreOuverture, QStringLiteral("*.bas"));
  if (!chemin.isEmpty()) Ouvre(chemin);
}

TEditeur* TMainForm::Ouvre(const QString& chemin) {
  const QFileInfo fichier(chemin);
  TEditeur* editeur = AjouteEditeur(fichier.absoluteFilePath());
  editeur->setWindowTitle(kPrefixeTitre + fichier.fileName());
  if (editeur->OpenFile(fichier.absoluteFilePath())) return editeur;
  // The failure has been told; a window on nothing would only mislead.
  editeur->parentWidget()->close();
  return nullptr;
}

void TMainForm::Active(QMdiSubWindow* fenetre) {
  if (fenetre != nullptr && fenetre != courante_) {
    if (courante_ != nullptr) atelier_.Controle().Desactivation();
    courante_ = fenetre;
    atelier_.Controle().Activation();
  }
  UpdateMenuItems();
}

void TMainForm::PasapasClick() { atelier_.Pasapas(Commande(QStringLiteral("Pasapas"))->isChecked()); }

void TMainForm::Configurationimpression1Click() {
  if (!impression_.ChercheImprimante || QPrinterInfo::availablePrinterNames().isEmpty()) {
    messages_.Affiche(VersCp1252(QStringLiteral(
        "Aucune imprimante n'est installée : les impressions sont enregistrées en PDF dans le dossier Documents.")));
    return;
  }
  dialogues_.ConfigurationImpression(this, *impression_.Imprimante);
}

QPoint TMainForm::PositionEnCascade(int rang, const QMdiSubWindow& fenetre) const {
  // Each window one title bar lower and to the right of the one before; back to the corner
  // before a window would leave the area, so that its title bar stays in reach.
  const int pas = std::max(1, fenetre.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &fenetre));
  const QSize libre = zone_->viewport()->size() - fenetre.size();
  const int places = std::max(0, std::min(libre.width(), libre.height()) / pas) + 1;
  const int decalage = (rang % places) * pas;
  return {decalage, decalage};
}

void TMainForm::WindowCascadeItemClick() {
  // The area's own cascade shrinks the windows to fit them all; they keep the size they open at.
  int rang = 0;
  for (QMdiSubWindow* fenetre : FenetresOuvertes()) {
    if (fenetre->isMinimized()) continue;
    fenetre->showNormal();
    fenetre->resize(kTailleEditeur);
    fenetre->move(PositionEnCascade(rang++, *fenetre));
    fenetre->raise();
  }
}

void TMainForm::WindowArrangeItemClick() {
  // The minimised windows in a row along the bottom, wrapping upwards.
  int x = 0;
  int y = zone_->viewport()->height();
  for (QMdiSubWindow* fenetre : FenetresOuvertes()) {
    if (!fenetre->isMinimized()) continue;
    const QSize taille = fenetre->size();
    if (x > 0 && x + taille.width() > zone_->viewport()->width()) {
      x = 0;
      y -= taille.height();
    }
    fenetre->move(x, y - taille.height());
    x += taille.width();
  }
}

void TMainForm::WindowMinimizeItemClick() {
  const std::vector<QMdiSubWindow*> fenetres = FenetresOuvertes();
  for (QMdiSubWindow* fenetre : fenetres | std::views::reverse) fenetre->showMinimized();
}

void TMainForm::RemplitMenuFenetre() {
  for (QAction* action : listeFenetres_) delete action;
  listeFenetres_.clear();
  const std::vector<QMdiSubWindow*> fenetres = FenetresOuvertes();
  if (fenetres.empty()) return;
  listeFenetres_.push_back(menuFenetre_->addSeparator());
  int numero = 0;
  for (QMdiSubWindow* fenetre : fenetres) {
    ++numero;
    const QString texte = numero < 10 ? QStringLiteral("&%1 %2").arg(numero).arg(fenetre->windowTitle())
                                      : QStringLiteral("%1 %2").arg(numero).arg(fenetre->windowTitle());
    QAction* action = menuFenetre_->addAction(texte);
    action->setCheckable(true);
    action->setChecked(fenetre == zone_->currentSubWindow());
    connect(action, &QAction::triggered, this, [this, fenetre = QPointer<QMdiSubWindow>(fenetre)] {
      if (fenetre != nullptr) zone_->setActiveSubWindow(fenetre);
    });
    listeFenetres_.push_back(action);
  }
}

bool TMainForm::Depot(QEvent* evenement) {
  const auto type = evenement->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
  auto& depot = static_cast<QDropEvent&>(*evenement);
  // Copied only: a file manager must never take a move as done and delete the file.
  const QStringList chemins = ProgrammesDeposes(depot.mimeData());
  if (chemins.isEmpty() || !depot.possibleActions().testFlag(Qt::CopyAction)) return false;
  depot.setDropAction(Qt::CopyAction);
  depot.accept();
  // Once the drop is over: opening may show a message box, which must not hold the drag.
  if (type == QEvent::Drop)
    QTimer::singleShot(0, this, [this, chemins] {
      for (const QString& chemin : chemins) Ouvre(chemin);
    });
  return true;
}

void TMainForm::dragEnterEvent(QDragEnterEvent* evenement) {
  if (!Depot(evenement)) QMainWindow::dragEnterEvent(evenement);
}

void TMainForm::dragMoveEvent(QDragMoveEvent* evenement) {
  if (!Depot(evenement)) QMainWindow::dragMoveEvent(evenement);
}

void TMainForm::dropEvent(QDropEvent* evenement) {
  if (!Depot(evenement)) QMainWindow::dropEvent(evenement);
}

bool TMainForm::eventFilter(QObject* objet, QEvent* evenement) {
  return Depot(evenement) || QMainWindow::eventFilter(objet, evenement);
}

bool TMainForm::event(QEvent* evenement) {
  if (evenement->type() != QEvent::StatusTip) return QMainWindow::event(evenement);
  statusLine_->setText(static_cast<QStatusTipEvent*>(evenement)->tip());
  return true;
}

void TMainForm::showEvent(QShowEvent* evenement) {
  QMainWindow::showEvent(evenement);
  if (!montree_) FormShow();
}

void TMainForm::FormShow() {
  montree_ = true;
  resize(width() - 10, height());
  setWindowState(windowState() | Qt::WindowMaximized);
  repDepart_ = QDir::currentPath();
}

bool TMainForm::FermeEditeurs() {
  // The first window whose user cancels keeps the application open.
  const std::vector<QMdiSubWindow*> fenetres = FenetresOuvertes();
  return std::ranges::all_of(fenetres, [](QMdiSubWindow* fenetre) { return fenetre->close(); });
}

void TMainForm::closeEvent(QCloseEvent* evenement) {
  // A running program is stopped first; the window closes once the run is over.
  if (atelier_.Controle().EnCours()) {
    fermetureApresRun_ = true;
    atelier_.Hote().Clavier().DemandeArret();
    evenement->ignore();
    return;
  }
  fermetureApresRun_ = false;
  if (!FermeEditeurs()) {
    evenement->ignore();
    return;
  }
  FormClose();
  evenement->accept();
}

void TMainForm::FormClose() {
  // A CHDIR of a program does not outlast the application.
  if (repDepart_.isEmpty() || QDir::setCurrent(repDepart_)) return;
  messages_.Affiche(VersCp1252(QStringLiteral("Impossible de revenir au dossier de départ « %1 ».").arg(repDepart_)));
}

}  // namespace korvane

#include "TMainForm.moc"
