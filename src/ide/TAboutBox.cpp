#include "ide/TAboutBox.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "ide/Icone.h"

namespace korvane {

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      okButton_(new QPushButton(QStringLiteral("OK"), this)) {
  setWindowTitle(QStringLiteral("A propos de Korvane"));
  setModal(false);

  auto* panneau = new QFrame(this);
  panneau->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  auto* icone = new QLabel(panneau);
  icone->setPixmap(ImageKorvane(64));
  auto* nom = new QLabel(QStringLiteral("Korvane"), panneau);
  QFont gras = nom->font();
  gras.setBold(true);
  gras.setPointSizeF(gras.pointSizeF() * 1.5);
  nom->setFont(gras);

  auto* textes = new QVBoxLayout;
  textes->addWidget(nom);
  textes->addWidget(new QLabel(QStringLiteral("Version 2.0"), panneau));
  textes->addSpacing(12);
  textes->addWidget(new QLabel(QStringLiteral("Équipe Korvane"), panneau));
  textes->addWidget(new QLabel(QStringLiteral("Interpréteur BASIC"), panneau));
  textes->addStretch();

  auto* dansPanneau = new QHBoxLayout(panneau);
  dansPanneau->addWidget(icone, 0, Qt::AlignTop);
  dansPanneau->addSpacing(12);
  dansPanneau->addLayout(textes, 1);

  auto* disposition = new QVBoxLayout(this);
  disposition->addWidget(panneau);
  disposition->addWidget(okButton_, 0, Qt::AlignHCenter);

  // QDialog already takes Échap as a rejection, which hides the box like "OK".
  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, [this] { OKButtonClick(); });
  setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
}

void TAboutBox::showEvent(QShowEvent* evenement) {
  QDialog::showEvent(evenement);
  if (const QScreen* ecran = screen()) move(ecran->availableGeometry().center() - rect().center());
  okButton_->setFocus();
}

void TAboutBox::OKButtonClick() { close(); }

}  // namespace korvane
