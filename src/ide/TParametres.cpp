#include "ide/TParametres.h"

#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "screen/TexteQt.h"

namespace korvane {

TParametres::TParametres(QWidget* parent) : DialogueAccepte(parent), edit1_(new QLineEdit(this)) {
  setWindowTitle("Pamètres d'exécution");
  auto* biseau = new QFrame(this);
  biseau->setFrameStyle(QFrame::Box | QFrame::Raised);
  auto* dansBiseau = new QVBoxLayout(biseau);
  auto* libelle = new QLabel("Paramètres", biseau);
  libelle->setBuddy(edit1_);
  dansBiseau->addWidget(libelle);
  dansBiseau->addWidget(edit1_);

  auto* disposition = new QVBoxLayout(this);
  disposition->addWidget(biseau);
  disposition->addStretch();
  disposition->addLayout(RangeeBoutons({edit1_}));
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
  if (Accepte()) interpreteur.ChangeParametres(VersCp1252(edit1_->text()));
}

void TParametres::showEvent(QShowEvent* evenement) {
  DialogueAccepte::showEvent(evenement);
  if (const QScreen* ecran = screen()) move(ecran->availableGeometry().center() - rect().center());
}

}  // namespace korvane
