#include "tools/DialogueAccepte.h"

#include <QKeyEvent>

namespace korvane {

DialogueAccepte::DialogueAccepte(QWidget* parent)
    : QDialog(parent), button1_(new QPushButton("OK", this)), button2_(new QPushButton("Annuler", this)) {
  // Enter anywhere, on "Annuler" too, reaches the default button.
  button1_->setDefault(true);
  button2_->setAutoDefault(false);
  connect(button1_, &QPushButton::clicked, this, [this] { Choisit(true); });
  connect(button2_, &QPushButton::clicked, this, [this] { Choisit(false); });
}

QHBoxLayout* DialogueAccepte::RangeeBoutons(QWidget* dernierChamp) {
  setTabOrder(dernierChamp, button1_);
  setTabOrder(button1_, button2_);
  auto* rangee = new QHBoxLayout;
  rangee->addStretch();
  rangee->addWidget(button1_);
  rangee->addWidget(button2_);
  return rangee;
}

// Échap is a refusal; QDialog's own handling would go through reject(), which the title
// bar's close also takes and which must keep the previous choice.
void DialogueAccepte::keyPressEvent(QKeyEvent* evenement) {
  if (evenement->key() == Qt::Key_Escape && evenement->modifiers() == Qt::NoModifier) {
    Choisit(false);
    return;
  }
  QDialog::keyPressEvent(evenement);
}

void DialogueAccepte::Choisit(bool accepte) {
  accepte_ = accepte;
  if (accepte)
    accept();
  else
    reject();
}

}  // namespace korvane
