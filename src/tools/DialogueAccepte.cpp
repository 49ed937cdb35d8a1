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

QHBoxLayout* DialogueAccepte::RangeeBoutons(const QList<QWidget*>& champs) {
  premierChamp_ = champs.front();
  // The buttons are created before the fields, so the creation order would put them first.
  const QList<QWidget*> ordre = champs + QList<QWidget*>{button1_, button2_};
  for (qsizetype k = 1; k < ordre.size(); ++k) setTabOrder(ordre[k - 1], ordre[k]);
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

// At each opening, not only the first: the dialog is reused and would keep the focus of its
// last use, often the button that closed it.
void DialogueAccepte::showEvent(QShowEvent* evenement) {
  QDialog::showEvent(evenement);
  premierChamp_->setFocus(Qt::OtherFocusReason);
}

void DialogueAccepte::Choisit(bool accepte) {
  accepte_ = accepte;
  if (accepte)
    accept();
  else
    reject();
}

}  // namespace korvane
