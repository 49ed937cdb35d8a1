#include "ide/TAide.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QRect>
#include <QShortcut>
#include <QSplitter>
#include <QVBoxLayout>

// The pages are compiled into this static library: their initialiser must be referenced
// from outside any namespace, or the linker drops it.
static void ChargePagesAide() { Q_INIT_RESOURCE(aide); }

namespace korvane {

namespace {

const QString kRacine = QStringLiteral("qrc:/aide/");
const QString kAccueil = QStringLiteral("sommaire.html");
const QString kUtiliser = QStringLiteral("utiliser.html");

struct Sujet {
  const char* Titre;
  const char* Adresse;  // page, with an anchor for a section
  bool Section;         // shown under the page before it
};

const Sujet kSommaire[] = {
    {"Aide de Korvane", "sommaire.html", false},
    {"Les instructions", "instructions.html", false},
    {"DIM", "instructions.html#DIM", true},
    {"Étiquettes", "instructions.html#ETIQUETTE", true},
    {"REM, ' et NOP", "instructions.html#REM", true},
    {"END", "instructions.html#END", true},
    {"RANDOMIZE", "instructions.html#RANDOMIZE", true},
    {"GOTO", "instructions.html#GOTO", true},
    {"GOSUB et RETURN", "instructions.html#GOSUB", true},
    {"CALL, SUB, END SUB et EXIT SUB", "instructions.html#CALL", true},
    {"IF, THEN, ELSE, ENDIF", "instructions.html#IF", true},
    {"FOR, NEXT et EXIT FOR", "instructions.html#FOR", true},
    {"WHILE, WEND et EXIT WHILE", "instructions.html#WHILE", true},
    {"DO, LOOP et EXIT DO", "instructions.html#DO", true},
    {"Affectation", "instructions.html#AFFECTATION", true},
    {"Fichiers : OPEN, PRINT#, LINE INPUT#, CLOSE#", "instructions.html#OPEN", true},
    {"LPRINT", "instructions.html#LPRINT", true},
    {"MSGBOX", "instructions.html#MSGBOX", true},
    {"KILL", "instructions.html#KILL", true},
    {"MKDIR, CHDIR et RMDIR", "instructions.html#MKDIR", true},
    {"CLS", "instructions.html#CLS", true},
    {"PRINT", "instructions.html#PRINT", true},
    {"LOCATE", "instructions.html#LOCATE", true},
    {"COLOR", "instructions.html#COLOR", true},
    {"LINE", "instructions.html#LINE", true},
    {"INPUT", "instructions.html#INPUT", true},
    {"Les fonctions", "fonctions.html", false},
    {"Les conditions", "conditions.html", false},
    {"L'environnement", "atelier.html", false},
    {"Les menus", "atelier.html#MENUS", true},
    {"Raccourcis", "atelier.html#TOUCHES", true},
    {"Exécuter un programme", "atelier.html#EXECUTION", true},
    {"Points d'arrêt", "atelier.html#ARRET", true},
    {"Mode pas à pas", "atelier.html#PASAPAS", true},
    {"Paramètres d'exécution", "atelier.html#PARAMETRES", true},
    {"Table des symboles", "atelier.html#SYMBOLES", true},
    {"Examiner une variable", "atelier.html#EXAMINER", true},
    {"Les utilitaires", "utilitaires.html", false},
    {"Calculatrice", "utilitaires.html#CALCULATRICE", true},
    {"Horloge", "utilitaires.html#HORLOGE", true},
    {"Calendrier", "utilitaires.html#CALENDRIER", true},
    {"Utiliser l'aide", "utiliser.html", false},
};

struct Entree {
  const char* Mot;
  const char* Adresse;
};

const Entree kIndex[] = {
    {"'", "instructions.html#REM"},
    {"ABS", "fonctions.html#ABS"},
    {"Affectation", "instructions.html#AFFECTATION"},
    {"AS", "instructions.html#DIM"},
    {"ASC", "fonctions.html#ASC"},
    {"Calculatrice", "utilitaires.html#CALCULATRICE"},
    {"Calendrier", "utilitaires.html#CALENDRIER"},
    {"CALL", "instructions.html#CALL"},
    {"CHDIR", "instructions.html#MKDIR"},
    {"CHR$", "fonctions.html#CHR$"},
    {"CLOSE#", "instructions.html#OPEN"},
    {"CLS", "instructions.html#CLS"},
    {"COLOR", "instructions.html#COLOR"},
    {"COMMAND$", "fonctions.html#COMMAND$"},
    {"Conditions", "conditions.html"},
    {"COS", "fonctions.html#COS"},
    {"DATE$", "fonctions.html#DATE$"},
    {"DIM", "instructions.html#DIM"},
    {"DO", "instructions.html#DO"},
    {"ELSE", "instructions.html#IF"},
    {"END", "instructions.html#END"},
    {"END IF", "instructions.html#IF"},
    {"END SUB", "instructions.html#CALL"},
    {"ENDIF", "instructions.html#IF"},
    {"EOF", "instructions.html#OPEN"},
    {"Étiquette", "instructions.html#ETIQUETTE"},
    {"Examiner variable", "atelier.html#EXAMINER"},
    {"Exécuter (F9)", "atelier.html#EXECUTION"},
    {"Continuer (F7)", "atelier.html#EXECUTION"},
    {"Arrêter (Échap, Ctrl+Pause)", "atelier.html#EXECUTION"},
    {"EXIT DO", "instructions.html#DO"},
    {"EXIT FOR", "instructions.html#FOR"},
    {"EXIT SUB", "instructions.html#CALL"},
    {"EXIT WHILE", "instructions.html#WHILE"},
    {"EXP", "fonctions.html#EXP"},
    {"FOR", "instructions.html#FOR"},
    {"GOSUB", "instructions.html#GOSUB"},
    {"GOTO", "instructions.html#GOTO"},
    {"HEX$", "fonctions.html#HEX$"},
    {"Horloge", "utilitaires.html#HORLOGE"},
    {"IF", "instructions.html#IF"},
    {"INKEY$", "fonctions.html#INKEY$"},
    {"INPUT", "instructions.html#INPUT"},
    {"INSTR", "fonctions.html#INSTR"},
    {"INT", "fonctions.html#INT"},
    {"INTEGER", "instructions.html#DIM"},
    {"KILL", "instructions.html#KILL"},
    {"LCASE$", "fonctions.html#LCASE$"},
    {"LEFT$", "fonctions.html#LEFT$"},
    {"LEN", "fonctions.html#LEN"},
    {"LINE", "instructions.html#LINE"},
    {"LINE INPUT#", "instructions.html#OPEN"},
    {"LOCATE", "instructions.html#LOCATE"},
    {"LOG", "fonctions.html#LOG"},
    {"LOOP", "instructions.html#DO"},
    {"LPRINT", "instructions.html#LPRINT"},
    {"Menus", "atelier.html#MENUS"},
    {"MID$", "fonctions.html#MID$"},
    {"MKDIR", "instructions.html#MKDIR"},
    {"MOD", "instructions.html#AFFECTATION"},
    {"Mode pas à pas", "atelier.html#PASAPAS"},
    {"MSGBOX", "instructions.html#MSGBOX"},
    {"NEXT", "instructions.html#FOR"},
    {"NOP", "instructions.html#REM"},
    {"NOT EOF", "conditions.html"},
    {"OPEN", "instructions.html#OPEN"},
    {"Paramètres d'exécution", "atelier.html#PARAMETRES"},
    {"Point d'arrêt (F5)", "atelier.html#ARRET"},
    {"PRINT", "instructions.html#PRINT"},
    {"PRINT#", "instructions.html#OPEN"},
    {"RANDOMIZE", "instructions.html#RANDOMIZE"},
    {"Raccourcis", "atelier.html#TOUCHES"},
    {"REAL", "instructions.html#DIM"},
    {"REM", "instructions.html#REM"},
    {"RETURN", "instructions.html#GOSUB"},
    {"RIGHT$", "fonctions.html#RIGHT$"},
    {"RMDIR", "instructions.html#MKDIR"},
    {"RND", "fonctions.html#RND"},
    {"SIN", "fonctions.html#SIN"},
    {"SPACE$", "fonctions.html#SPACE$"},
    {"SQR", "fonctions.html#SQR"},
    {"STEP", "instructions.html#FOR"},
    {"STR$", "fonctions.html#STR$"},
    {"STRING", "instructions.html#DIM"},
    {"STRING$", "fonctions.html#STRING$"},
    {"SUB", "instructions.html#CALL"},
    {"Subs (F2)", "atelier.html#TOUCHES"},
    {"Table des symboles", "atelier.html#SYMBOLES"},
    {"THEN", "instructions.html#IF"},
    {"TIME$", "fonctions.html#TIME$"},
    {"TO", "instructions.html#FOR"},
    {"UCASE$", "fonctions.html#UCASE$"},
    {"Utiliser l'aide", "utiliser.html"},
    {"VAL", "fonctions.html#VAL"},
    {"WEND", "instructions.html#WHILE"},
    {"WHILE", "instructions.html#WHILE"},
};

constexpr int kRoleAdresse = Qt::UserRole;

}  // namespace

TAide::TAide(QWidget* parent)
    : QWidget(parent, Qt::Window),
      onglets_(new QTabWidget),
      sommaire_(new QTreeWidget),
      recherche_(new QLineEdit),
      index_(new QListWidget),
      page_(new QTextBrowser) {
  ChargePagesAide();
  setWindowTitle(QStringLiteral("Aide de Korvane"));
  resize(820, 560);

  sommaire_->setHeaderHidden(true);
  QTreeWidgetItem* pageCourante = nullptr;
  for (const Sujet& sujet : kSommaire) {
    auto* item = sujet.Section && pageCourante ? new QTreeWidgetItem(pageCourante) : new QTreeWidgetItem(sommaire_);
    item->setText(0, QString::fromUtf8(sujet.Titre));
    item->setData(0, kRoleAdresse, kRacine + QString::fromUtf8(sujet.Adresse));
    if (!sujet.Section) pageCourante = item;
  }
  connect(sommaire_, &QTreeWidget::itemClicked, this,
          [this](QTreeWidgetItem* item) { Montre(item->data(0, kRoleAdresse).toUrl()); });
  connect(sommaire_, &QTreeWidget::itemActivated, this,
          [this](QTreeWidgetItem* item) { Montre(item->data(0, kRoleAdresse).toUrl()); });

  recherche_->setPlaceholderText(QStringLiteral("Mot clé à rechercher"));
  recherche_->setClearButtonEnabled(true);
  for (const Entree& entree : kIndex) {
    auto* item = new QListWidgetItem(QString::fromUtf8(entree.Mot), index_);
    item->setData(kRoleAdresse, kRacine + QString::fromUtf8(entree.Adresse));
  }
  index_->sortItems();
  connect(recherche_, &QLineEdit::textChanged, this, &TAide::Filtre);
  connect(recherche_, &QLineEdit::returnPressed, this, [this] {
    if (QListWidgetItem* item = index_->currentItem(); item && !item->isHidden())
      Montre(item->data(kRoleAdresse).toUrl());
  });
  connect(index_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { Montre(item->data(kRoleAdresse).toUrl()); });
  connect(index_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { Montre(item->data(kRoleAdresse).toUrl()); });

  auto* ongletIndex = new QWidget;
  auto* colonne = new QVBoxLayout(ongletIndex);
  colonne->setContentsMargins(0, 0, 0, 0);
  colonne->addWidget(recherche_);
  colonne->addWidget(index_);
  onglets_->addTab(sommaire_, QStringLiteral("Sommaire"));
  onglets_->addTab(ongletIndex, QStringLiteral("Index"));

  page_->setOpenLinks(true);
  page_->setSearchPaths({QStringLiteral(":/aide")});

  auto* separation = new QSplitter;
  separation->addWidget(onglets_);
  separation->addWidget(page_);
  separation->setStretchFactor(1, 1);
  separation->setSizes({240, 580});
  auto* cadre = new QHBoxLayout(this);
  cadre->addWidget(separation);

  auto* fermer = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(fermer, &QShortcut::activated, this, &QWidget::close);
}

QStringList TAide::Pages() {
  ChargePagesAide();
  QStringList pages;
  for (const Sujet& sujet : kSommaire)
    if (!sujet.Section) pages << QStringLiteral(":/aide/") + QString::fromUtf8(sujet.Adresse);
  return pages;
}

void TAide::HContents() {
  onglets_->setCurrentWidget(sommaire_);
  sommaire_->setCurrentItem(sommaire_->topLevelItem(0));
  Montre(QUrl(kRacine + kAccueil));
  Ouvre();
  sommaire_->setFocus();
}

void TAide::HSearch() {
  onglets_->setCurrentIndex(onglets_->indexOf(index_->parentWidget()));
  recherche_->clear();
  Ouvre();
  recherche_->setFocus();
}

void TAide::HowToUse() {
  Montre(QUrl(kRacine + kUtiliser));
  Ouvre();
}

void TAide::Filtre(const QString& texte) {
  const QString mot = texte.trimmed();
  QListWidgetItem* premier = nullptr;
  for (int i = 0; i < index_->count(); ++i) {
    QListWidgetItem* item = index_->item(i);
    const bool garde = item->text().contains(mot, Qt::CaseInsensitive);
    item->setHidden(!garde);
    if (garde && !premier) premier = item;
  }
  index_->setCurrentItem(premier);
}

void TAide::Montre(const QUrl& adresse) { page_->setSource(adresse); }

void TAide::Ouvre() {
  // Left to the system, it would open wherever the desktop puts new windows. Its frame is
  // known once it shows.
  const bool ouverture = !isVisible() && parentWidget() != nullptr;
  show();
  if (ouverture) {
    QRect cadre = frameGeometry();
    cadre.moveCenter(parentWidget()->frameGeometry().center());
    move(cadre.topLeft());
  }
  raise();
  activateWindow();
}

}  // namespace korvane
