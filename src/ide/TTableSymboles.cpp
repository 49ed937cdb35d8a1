#include "ide/TTableSymboles.h"

#include <QVBoxLayout>
#include <algorithm>

#include "screen/TexteQt.h"

namespace korvane {

namespace {

int Compte(std::span<const Symbole> symboles, Genre genre) {
  return static_cast<int>(std::ranges::count(symboles, genre, &Symbole::Genre));
}

}  // namespace

QStringList LignesStats(std::span<const Symbole> symboles, int elementsEnPile) {
  QStringList lignes;
  for (const Symbole& s : symboles) {
    // A DIM of an unknown type has no kind letter; a NUL would not show.
    const QString lettre = s.Genre == Genre::Aucun ? QString() : QString(QLatin1Char(static_cast<char>(s.Genre)));
    lignes << DepuisCp1252(s.Nom) + " , " + lettre + " , " + QString::number(s.Adresse);
  }
  lignes << " " << QString(79, '-');
  lignes << "Subs : " + QString::number(Compte(symboles, Genre::Sub))
         << "Etiquettes : " + QString::number(Compte(symboles, Genre::Etiquette))
         << "Var String : " + QString::number(Compte(symboles, Genre::Chaine))
         << "Var Int : " + QString::number(Compte(symboles, Genre::Entier))
         << "Var Real : " + QString::number(Compte(symboles, Genre::Reel))
         << "Eléments en pile : " + QString::number(elementsEnPile);
  return lignes;
}

TTableSymboles::TTableSymboles(QWidget* parent)
    : QDialog(parent), listBox1_(new QListWidget(this)), button1_(new QPushButton("OK", this)) {
  setWindowTitle("Table des Symboles");
  auto* disposition = new QVBoxLayout(this);
  disposition->addWidget(listBox1_);
  disposition->addWidget(button1_, 0, Qt::AlignHCenter);
  button1_->setDefault(true);
  connect(button1_, &QPushButton::clicked, this, &QDialog::accept);
  setFixedSize(520, 400);
}

void TTableSymboles::Stats(const Interpreteur& interpreteur) {
  Remplit(interpreteur);
  exec();
}

void TTableSymboles::Remplit(const Interpreteur& interpreteur) {
  listBox1_->clear();
  listBox1_->addItems(LignesStats(interpreteur.Symboles(), interpreteur.ElementsEnPile()));
}

// At each opening: the listing, not "OK" that closed it last time, takes the arrows.
void TTableSymboles::showEvent(QShowEvent* evenement) {
  QDialog::showEvent(evenement);
  listBox1_->setFocus(Qt::OtherFocusReason);
}

}  // namespace korvane
