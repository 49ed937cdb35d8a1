#include "ide/TVariable.h"

#include <QGridLayout>
#include <QLabel>
#include <optional>
#include <string>

#include "screen/TexteQt.h"

namespace korvane {

TVariable::TVariable(Interpreteur& interpreteur, QWidget* parent)
    : QDialog(parent),
      interpreteur_(interpreteur),
      edit1_(new QLineEdit(this)),
      edit2_(new QLineEdit(this)),
      button1_(new QPushButton("Fermer", this)) {
  setWindowTitle("Examiner variable");
  auto* grille = new QGridLayout(this);
  auto* variable = new QLabel("Variable", this);
  auto* resultat = new QLabel("Résultat", this);
  variable->setBuddy(edit1_);
  resultat->setBuddy(edit2_);
  grille->addWidget(variable, 0, 0);
  grille->addWidget(edit1_, 1, 0);
  grille->addWidget(resultat, 2, 0);
  grille->addWidget(edit2_, 3, 0);
  grille->addWidget(button1_, 4, 0, Qt::AlignHCenter);
  edit2_->setReadOnly(true);
  edit2_->setFocusPolicy(Qt::ClickFocus);
  // Enter belongs to Edit1: no button may take it and close the dialog.
  button1_->setAutoDefault(false);
  connect(edit1_, &QLineEdit::returnPressed, this, &TVariable::Examine);
  connect(button1_, &QPushButton::clicked, this, &QDialog::accept);
  setFixedSize(300, 170);
}

void TVariable::Examiner() { exec(); }

void TVariable::Examine() {
  const std::string texte = VersCp1252(edit1_->text());
  std::string nom = texte;
  int64_t decalage = 0;
  if (const std::size_t ouvrante = texte.find('('); ouvrante != std::string::npos) {
    nom = texte.substr(0, ouvrante + 1);
    const std::size_t fermante = texte.find(')', ouvrante + 1);
    if (fermante == std::string::npos) {
      edit2_->setText("Erreur de syntaxe");
      return;
    }
    const std::optional<int32_t> indice = interpreteur_.Indice(texte.substr(ouvrante + 1, fermante - ouvrante - 1));
    if (!indice) return;
    decalage = *indice;
  }
  const Symbole* symbole = interpreteur_.ChercheEtiq(nom);
  if (!symbole) {
    edit2_->setText("Variable inconnue");
    return;
  }
  if (EstVariable(symbole->Genre)) {
    // An element outside the store is reported by the interpreter's own message box.
    const std::optional<std::string> valeur = interpreteur_.LitValeur(symbole->Adresse + decalage, symbole->Genre);
    if (!valeur) return;
    edit2_->setText(DepuisCp1252(*valeur));
  } else {
    edit2_->setText(edit1_->text());
  }
  edit1_->selectAll();
}

void TVariable::showEvent(QShowEvent* evenement) {
  QDialog::showEvent(evenement);
  edit1_->setFocus();
}

}  // namespace korvane
