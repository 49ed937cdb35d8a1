#include "tools/TCalendrier.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLocale>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include "tools/Apparence.h"

namespace korvane {

QString TitreMois(QDate date) {
  return QLocale(QLocale::French, QLocale::France).monthName(date.month(), QLocale::LongFormat) +
         QStringLiteral("  ") + QString::number(date.year()).rightJustified(4, QLatin1Char('0'));
}

TCalendrier::TCalendrier(QDate debut, QWidget* parent)
    : QDialog(parent),
      label1_(new QLabel),
      bitBtn1_(new QPushButton(QStringLiteral("Mois"))),
      bitBtn2_(new QPushButton(QStringLiteral("Mois"))),
      button1_(new QPushButton(QStringLiteral("Fermer"))),
      calendar1_(new QCalendarWidget) {
  setWindowTitle(QStringLiteral("Calendrier"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  resize(377, 274);

  auto* panel1 = new QFrame;
  panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel1->setFixedHeight(96);
  Colore(panel1, QPalette::Window, kSarcelle);

  bitBtn1_->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
  bitBtn2_->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
  bitBtn2_->setLayoutDirection(Qt::RightToLeft);  // its arrow on the right
  for (QPushButton* bouton : {bitBtn1_, bitBtn2_, button1_}) {
    bouton->setAutoDefault(false);
    bouton->installEventFilter(this);
  }
  auto* boutons = new QHBoxLayout;
  boutons->addWidget(bitBtn1_);
  boutons->addStretch();
  boutons->addWidget(button1_);
  boutons->addStretch();
  boutons->addWidget(bitBtn2_);

  label1_->setAlignment(Qt::AlignCenter);
  label1_->setFont(PoliceGrasse(23));
  Colore(label1_, QPalette::WindowText, Qt::red);

  auto* dansPanneau = new QVBoxLayout(panel1);
  dansPanneau->addLayout(boutons);
  dansPanneau->addWidget(label1_);

  calendar1_->setLocale(QLocale(QLocale::French, QLocale::France));
  calendar1_->setFirstDayOfWeek(Qt::Sunday);
  calendar1_->setNavigationBarVisible(false);
  calendar1_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
  calendar1_->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
  calendar1_->setGridVisible(true);
  calendar1_->setSelectedDate(debut);
  calendar1_->setStyleSheet(QStringLiteral("QCalendarWidget QAbstractItemView { background-color: lime; }"));
  calendar1_->installEventFilter(this);
  if (auto* grille = calendar1_->findChild<QTableView*>()) grille->installEventFilter(this);

  auto* disposition = new QVBoxLayout(this);
  disposition->setContentsMargins(0, 0, 0, 0);
  disposition->setSpacing(0);
  disposition->addWidget(panel1);
  disposition->addWidget(calendar1_, 1);

  connect(bitBtn1_, &QPushButton::clicked, this, &TCalendrier::BitBtn1Click);
  connect(bitBtn2_, &QPushButton::clicked, this, &TCalendrier::BitBtn2Click);
  connect(button1_, &QPushButton::clicked, this, &QDialog::reject);
  connect(calendar1_, &QCalendarWidget::selectionChanged, this, &TCalendrier::Calendar1Change);
  Calendar1Change();
}

void TCalendrier::BitBtn1Click() { ChangeMois(-1); }

void TCalendrier::BitBtn2Click() { ChangeMois(1); }

// addMonths keeps the day, or takes the new month's last day when it has fewer.
void TCalendrier::ChangeMois(int mois) {
  const QDate date = Date().addMonths(mois);
  calendar1_->setSelectedDate(date);
  calendar1_->setCurrentPage(date.year(), date.month());
}

void TCalendrier::Calendar1Change() {
  const QDate date = Date();
  calendar1_->setCurrentPage(date.year(), date.month());
  label1_->setText(TitreMois(date));
}

void TCalendrier::showEvent(QShowEvent* evenement) {
  QDialog::showEvent(evenement);
  Calendar1Change();
  calendar1_->setFocus();
}

// Page Up, Page Down and Échap on the grid and the buttons.
bool TCalendrier::eventFilter(QObject* objet, QEvent* evenement) {
  if (evenement->type() != QEvent::KeyPress) return QDialog::eventFilter(objet, evenement);
  switch (static_cast<QKeyEvent*>(evenement)->key()) {
    case Qt::Key_PageUp:
      BitBtn1Click();
      return true;
    case Qt::Key_PageDown:
      BitBtn2Click();
      return true;
    case Qt::Key_Escape:
      reject();
      return true;
    default:
      return QDialog::eventFilter(objet, evenement);
  }
}

}  // namespace korvane
