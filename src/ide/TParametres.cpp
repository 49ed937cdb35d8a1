#include "ide/TParametres.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "screen/TexteQt.h"

namespace korvane {

TParametres::TParametres(QWidget* parent)
    : QDialog(parent),
      edit1_(new QLineEdit(this)),
      button1_(new QPushButton("OK", this)),
      button2_(new QPushButton("Annuler", this)) {
  setWindowTitle("Pamètres d'exécution");
  auto* biseau = new QFrame(this);
  biseau->setFrameStyle(QFrame::Box | QFrame::Raised);
  auto* dansBiseau = new QVBoxLayout(biseau);
  dansBiseau->addWidget(new QLabel("Paramètres", biseau));
  dansBiseau->addWidget(edit1_);

  auto* boutons = new QHBoxLayout;
  boutons->addStretch();
  boutons->addWidget(button1_);
  boutons->addWidget(button2_);

  auto* disposition = new QVBoxLayout(this);
  disposition->addWidget(biseau);
  disposition->addStretch();
  disposition->addLayout(boutons);

  // Enter in Edit1 reaches the default button.
  button1_->setDefault(true);
  button2_->setAutoDefault(false);
  connect(button1_, &QPushButton::clicked, this, [this] { Choisit(true); });
  connect(button2_, &QPushButton::clicked, this, [this] { Choisit(false); });
  resize(420, 140);
}

void TParametres::Param(Interpreteur& interpreteur) {
  Ouvre(interpreteur);
  exec();
  Applique(interpreteur);
}

void TParametres::Ouvre(const Interpreteur& interpreteur) {
  edit1_->setText(DepuisCp1252(interpreteur.TexteParametres()));
}

void TParametres::Applique(Interpreteur& interpreteur) const {
  if (accepte_) interpreteur.ChangeParametres(VersCp1252(edit1_->text()));
}

// Échap is a refusal; QDialog's own handling would go through reject(), which the title
// bar's close also takes and which must keep the previous choice.
void TParametres::keyPressEvent(QKeyEvent* evenement) {
  if (evenement->key() == Qt::Key_Escape && evenement->modifiers() == Qt::NoModifier) {
    Choisit(false);
    return;
  }
  QDialog::keyPressEvent(evenement);
}

void TParametres::showEvent(QShowEvent* evenement) {
  QDialog::showEvent(evenement);
  if (const QScreen* ecran = screen()) move(ecran->availableGeometry().center() - rect().center());
  edit1_->setFocus();
}

void TParametres::Choisit(bool accepte) {
  accepte_ = accepte;
  if (accepte)
    accept();
  else
    reject();
}

}  // namespace korvane
