#include "tools/Assistants.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "tools/Apparence.h"

namespace korvane {

namespace {

const QString kFinLigne = QStringLiteral("\r\n");
const char* const kOperateurs[] = {"=", "<", ">", "<=", ">=", "<>"};

// A box titled `titre` with one radio button per choice, numbered from 0 in `groupe`.
QGroupBox* Choix(const QString& titre, const QStringList& choix, QButtonGroup* groupe, QWidget* parent) {
  auto* boite = new QGroupBox(titre, parent);
  auto* grille = new QGridLayout(boite);
  const auto parColonne = static_cast<int>((choix.size() + 1) / 2);
  for (int k = 0; k < choix.size(); ++k) {
    auto* bouton = new QRadioButton(choix[k], boite);
    groupe->addButton(bouton, k);
    grille->addWidget(bouton, k % parColonne, k / parColonne);
  }
  return boite;
}

// Each radio button of the group, in its order, as the focus chain takes them.
QList<QWidget*> Boutons(const QButtonGroup* groupe) {
  QList<QWidget*> boutons;
  for (QAbstractButton* bouton : groupe->buttons()) boutons << bouton;
  return boutons;
}

QVBoxLayout* Colonne(QWidget* dialogue, QLayout* champs) {
  auto* colonne = new QVBoxLayout(dialogue);
  colonne->addLayout(champs);
  return colonne;
}

}  // namespace

TBoucleFor::TBoucleFor(QWidget* parent)
    : DialogueAccepte(parent),
      edit1_(new QLineEdit(this)),
      edit2_(new QLineEdit(this)),
      edit3_(new QLineEdit(this)),
      edit4_(new QLineEdit(this)) {
  setWindowTitle(QStringLiteral("Boucle For"));
  setFont(PoliceOutils());
  auto* champs = new QFormLayout;
  champs->addRow(QStringLiteral("Compteur"), edit1_);
  champs->addRow(QStringLiteral("Valeur initiale"), edit2_);
  champs->addRow(QStringLiteral("Valeur finale"), edit3_);
  champs->addRow(QStringLiteral("[Step]"), edit4_);
  Colonne(this, champs)->addLayout(RangeeBoutons({edit1_, edit2_, edit3_, edit4_}));
  setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
}

QString TBoucleFor::Result() const {
  if (!Accepte() || edit1_->text().isEmpty()) return {};
  QString texte = QStringLiteral("FOR ") + edit1_->text() + '=' + edit2_->text() + QStringLiteral(" TO ") + edit3_->text();
  if (!edit4_->text().isEmpty()) texte += QStringLiteral(" STEP ") + edit4_->text();
  return texte + kFinLigne + kFinLigne + QStringLiteral("NEXT");
}

DialogueCondition::DialogueCondition(QWidget* parent)
    : DialogueAccepte(parent), edit1_(new QLineEdit(this)), edit2_(new QLineEdit(this)), radioGroup1_(new QButtonGroup(this)) {
  setFont(PoliceOutils());
  auto* champs = new QFormLayout;
  champs->addRow(QStringLiteral("Opérande 1"), edit1_);
  QStringList operateurs;
  for (const char* operateur : kOperateurs) operateurs << QLatin1Char(' ') + QString::fromLatin1(operateur);
  champs->addRow(Choix(QStringLiteral("Opérateur"), operateurs, radioGroup1_, this));
  champs->addRow(QStringLiteral("Opérande 2"), edit2_);
  QList<QWidget*> ordre{edit1_};
  ordre << Boutons(radioGroup1_) << edit2_;
  Colonne(this, champs)->addLayout(RangeeBoutons(ordre));
}

QString DialogueCondition::Condition() const {
  const int operateur = radioGroup1_->checkedId();
  if (!Accepte() || edit1_->text().isEmpty() || operateur < 0) return {};
  return edit1_->text() + QString::fromLatin1(kOperateurs[operateur]) + edit2_->text();
}

TBoucleWhile::TBoucleWhile(QWidget* parent) : DialogueCondition(parent) {
  setWindowTitle(QStringLiteral("Boucle While"));
  setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
}

QString TBoucleWhile::Result1() const {
  const QString condition = Condition();
  return condition.isEmpty() ? QString() : QStringLiteral("WHILE ") + condition + kFinLigne + kFinLigne + QStringLiteral("WEND");
}

QString TBoucleWhile::Result2() const {
  const QString condition = Condition();
  return condition.isEmpty() ? QString() : QStringLiteral("DO") + kFinLigne + kFinLigne + QStringLiteral("LOOP ") + condition;
}

TConditionIf::TConditionIf(QWidget* parent) : DialogueCondition(parent), checkBox1_(new QCheckBox(QStringLiteral(" ELSE"), this)) {
  setWindowTitle(QStringLiteral("Condition If"));
  // Under the fields, above the buttons.
  auto* colonne = static_cast<QVBoxLayout*>(layout());
  colonne->insertWidget(colonne->count() - 1, checkBox1_);
  setTabOrder(Edit2(), checkBox1_);
  setTabOrder(checkBox1_, Button1());
  setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
}

QString TConditionIf::Result() const {
  const QString condition = Condition();
  if (condition.isEmpty()) return {};
  QString texte = QStringLiteral("IF ") + condition + QStringLiteral(" THEN") + kFinLigne;
  if (checkBox1_->isChecked()) texte += kFinLigne + QStringLiteral("ELSE") + kFinLigne;
  return texte + kFinLigne + QStringLiteral("ENDIF");
}

TFileIO::TFileIO(QWidget* parent)
    : DialogueAccepte(parent),
      edit1_(new QLineEdit(this)),
      edit2_(new QLineEdit(QStringLiteral("1"), this)),
      radioGroup1_(new QButtonGroup(this)) {
  setWindowTitle(QStringLiteral("Lecture / Ecriture fichier"));
  setFont(PoliceOutils());
  auto* haut = new QToolButton(this);
  auto* bas = new QToolButton(this);
  haut->setArrowType(Qt::UpArrow);
  bas->setArrowType(Qt::DownArrow);
  for (QToolButton* fleche : {haut, bas}) {
    fleche->setFocusPolicy(Qt::NoFocus);
    fleche->setFixedSize(18, 12);
  }
  connect(haut, &QToolButton::clicked, this, &TFileIO::SpinButton1UpClick);
  connect(bas, &QToolButton::clicked, this, &TFileIO::SpinButton1DownClick);
  auto* fleches = new QVBoxLayout;
  fleches->setSpacing(0);
  fleches->addWidget(haut);
  fleches->addWidget(bas);
  auto* canal = new QHBoxLayout;
  canal->addWidget(edit2_);
  canal->addLayout(fleches);
  canal->addStretch();
  edit2_->setMaximumWidth(60);

  auto* champs = new QFormLayout;
  champs->addRow(QStringLiteral("Nom du fichier"), edit1_);
  auto* libelleCanal = new QLabel(QStringLiteral("N° de canal"), this);
  libelleCanal->setBuddy(edit2_);
  champs->addRow(libelleCanal, canal);
  champs->addRow(Choix(QStringLiteral("Mode d'ouverture"), {QStringLiteral("Lecture"), QStringLiteral("Ecriture")},
                       radioGroup1_, this));
  ChoisitMode(Lecture);
  Colonne(this, champs)->addLayout(RangeeBoutons(QList<QWidget*>{edit1_, edit2_} + Boutons(radioGroup1_)));
  setFixedSize(sizeHint().expandedTo(QSize(320, 0)));
}

QString TFileIO::Result() const {
  const int mode = radioGroup1_->checkedId();
  if (!Accepte() || edit1_->text().isEmpty() || mode < 0) return {};
  const QString canal = edit2_->text();
  return QStringLiteral("OPEN \"") + (mode == Lecture ? 'I' : 'O') + QStringLiteral("\",") + canal + ',' +
         edit1_->text() + kFinLigne + kFinLigne + QStringLiteral("CLOSE# ") + canal;
}

void TFileIO::ChoisitMode(Mode mode) { radioGroup1_->button(mode)->setChecked(true); }

void TFileIO::SpinButton1UpClick() { edit2_->setText(QString::number(std::min(Canal() + 1, 3))); }

void TFileIO::SpinButton1DownClick() { edit2_->setText(QString::number(std::max(Canal() - 1, 1))); }

int TFileIO::Canal() const {
  bool nombre = false;
  const int canal = edit2_->text().toInt(&nombre);
  return nombre ? canal : 1;
}

}  // namespace korvane
