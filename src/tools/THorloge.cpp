#include "tools/THorloge.h"

#include <QFrame>
#include <QRadioButton>
#include <QToolButton>
#include <algorithm>

#include "screen/TexteQt.h"
#include "tools/Apparence.h"

namespace korvane {

namespace {

const QString kFormatHeure = QStringLiteral("HH:mm:ss");
const QString kFormatDate = QStringLiteral("dd/MM/yyyy");

struct Position {
  int debut;
  int longueur;
  int minimum;
  int maximum;
};

Position PositionDe(Champ champ) {
  switch (champ) {
    case Champ::Heures:
      return {0, 2, 0, 24};
    case Champ::Minutes:
      return {3, 2, 0, 59};
    case Champ::Jour:
      return {0, 2, 0, 31};
    case Champ::Mois:
      return {3, 2, 0, 12};
    case Champ::Annee:
      return {6, 4, 1900, 2099};
  }
  return {};
}

bool SurLHeure(Champ champ) { return champ == Champ::Heures || champ == Champ::Minutes; }

// A label in a sunken panel, in the clock's digits.
QLabel* Afficheur(QWidget* parent, QRect place) {
  auto* panneau = new QLabel(parent);
  panneau->setGeometry(place);
  panneau->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panneau->setAlignment(Qt::AlignCenter);
  Colore(panneau, QPalette::Window, kArgent);
  Colore(panneau, QPalette::WindowText, Qt::black);
  panneau->setFont(PoliceGrasse(23));
  return panneau;
}

}  // namespace

QString AjusteChamp(const QString& texte, Champ champ, bool haut) {
  const Position p = PositionDe(champ);
  int valeur = texte.mid(p.debut, p.longueur).toInt();
  if (champ == Champ::Annee && valeur < 100) valeur += 1900;
  valeur = haut ? std::min(valeur + 1, p.maximum) : std::max(valeur - 1, p.minimum);
  QString resultat = texte.leftJustified(p.debut + p.longueur, QLatin1Char(' '));
  resultat.replace(p.debut, p.longueur, QStringLiteral("%1").arg(valeur, p.longueur, 10, QLatin1Char('0')));
  return resultat;
}

THorloge::THorloge(ReglageHorloge& reglage, BoitesMessage& messages, std::function<QDateTime()> maintenant,
                   QWidget* parent)
    : QDialog(parent),
      reglage_(reglage),
      messages_(messages),
      maintenant_(std::move(maintenant)),
      radioGroup1_(new QButtonGroup(this)),
      button1_(new QPushButton(QStringLiteral("Fermer"))),
      button2_(new QPushButton(QStringLiteral("Set"))),
      timer1_(new QTimer(this)) {
  setWindowTitle(QStringLiteral("Horloge"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(277, 156);

  auto* fond = new QFrame(this);
  fond->setGeometry(rect());
  fond->setFrameStyle(QFrame::Panel | QFrame::Raised);
  fond->setLineWidth(2);
  Colore(fond, QPalette::Window, Qt::black);
  Colore(fond, QPalette::WindowText, Qt::white);

  label1_ = Afficheur(fond, QRect(8, 8, 154, 36));
  label2_ = Afficheur(fond, QRect(8, 54, 154, 36));
  auto* label4 = new QLabel(fond);
  label4->setGeometry(8, 48, 154, 2);
  Colore(label4, QPalette::Window, Qt::white);
  auto* label3 = new QLabel(QStringLiteral("KORVANE"), fond);
  label3->setFont(PoliceGrasse(27, true));
  label3->setGeometry(8, 104, 170, 40);

  QFont gras = font();
  gras.setBold(true);
  const char* const champs[] = {"Hr", "Mn", "Jo", "Mo", "An"};
  for (int k = 0; k < 5; ++k) {
    auto* bouton = new QRadioButton(QString::fromLatin1(champs[k]), fond);
    bouton->setFont(gras);
    bouton->setGeometry(168, 6 + 19 * k, 50, 19);
    radioGroup1_->addButton(bouton, k);
  }
  auto* haut = new QToolButton(fond);
  auto* bas = new QToolButton(fond);
  haut->setArrowType(Qt::UpArrow);
  bas->setArrowType(Qt::DownArrow);
  // The arrows are drawn in the text colour, white on this panel.
  for (QToolButton* fleche : {haut, bas}) {
    Colore(fleche, QPalette::WindowText, Qt::black);
    Colore(fleche, QPalette::ButtonText, Qt::black);
  }
  haut->setGeometry(226, 10, 22, 20);
  bas->setGeometry(226, 30, 22, 20);
  connect(haut, &QToolButton::clicked, this, &THorloge::SpinButton1UpClick);
  connect(bas, &QToolButton::clicked, this, &THorloge::SpinButton1DownClick);
  button2_->setParent(fond);
  button2_->setGeometry(218, 62, 52, 26);
  button1_->setParent(fond);
  button1_->setGeometry(190, 118, 80, 28);
  button2_->setAutoDefault(false);
  button1_->setAutoDefault(false);
  connect(button2_, &QPushButton::clicked, this, &THorloge::Button2Click);
  connect(button1_, &QPushButton::clicked, this, &QDialog::reject);

  timer1_->setInterval(1000);
  connect(timer1_, &QTimer::timeout, this, &THorloge::Timer1Timer);
  connect(&reglage_, &ReglageHorloge::Reglee, this, &THorloge::ReglageAccepte);
  connect(&reglage_, &ReglageHorloge::Refusee, this, &THorloge::ReglageRefuse);
}

void THorloge::Timer1Timer() {
  const QDateTime maintenant = maintenant_();
  label1_->setText(maintenant.time().toString(kFormatHeure));
  label2_->setText(maintenant.date().toString(kFormatDate));
}

void THorloge::SpinButton1UpClick() { Fleche(true); }

void THorloge::SpinButton1DownClick() { Fleche(false); }

void THorloge::Fleche(bool haut) {
  const int choix = radioGroup1_->checkedId();
  if (choix < 0) return;
  const auto champ = static_cast<Champ>(choix);
  QLabel* label = SurLHeure(champ) ? label1_ : label2_;
  label->setText(AjusteChamp(label->text(), champ, haut));
}

void THorloge::Button2Click() {
  enReglage_ = !enReglage_;
  if (!enReglage_) Modifie();
  if (enReglage_) {
    timer1_->stop();
  } else {
    Timer1Timer();
    timer1_->start();
  }
}

void THorloge::Modifie() {
  const QDate date = QDate::fromString(label2_->text(), kFormatDate);
  const QTime heure = QTime::fromString(label1_->text(), kFormatHeure);
  if (!date.isValid() || !heure.isValid()) return;
  reglage_.Regle(QDateTime(date, heure));
}

void THorloge::ReglageAccepte() {
  // The new time shows at once, unless the user is editing the fields again.
  if (!enReglage_) Timer1Timer();
}

void THorloge::ReglageRefuse(const QString& raison) {
  messages_.Affiche(VersCp1252(QStringLiteral("Impossible de régler l'horloge : ") + raison));
}

void THorloge::showEvent(QShowEvent* evenement) {
  QDialog::showEvent(evenement);
  enReglage_ = false;
  Timer1Timer();
  timer1_->start();
}

void THorloge::hideEvent(QHideEvent* evenement) {
  timer1_->stop();
  QDialog::hideEvent(evenement);
}

}  // namespace korvane
