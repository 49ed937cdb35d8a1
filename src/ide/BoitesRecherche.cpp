#include "ide/BoitesRecherche.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace korvane {

namespace {

QLineEdit* AjouteChamp(QGridLayout* grille, const QString& libelle) {
  auto* champ = new QLineEdit;
  auto* etiquette = new QLabel(libelle);
  etiquette->setBuddy(champ);
  const int ligne = grille->rowCount();
  grille->addWidget(etiquette, ligne, 0);
  grille->addWidget(champ, ligne, 1);
  return champ;
}

}  // namespace

TBoiteChercher::TBoiteChercher(QWidget* parent)
    : QDialog(parent), Champs_(new QGridLayout), Boutons_(new QVBoxLayout) {
  setWindowTitle(QStringLiteral("Rechercher"));
  setModal(false);
  Texte_ = AjouteChamp(Champs_, QStringLiteral("&Rechercher :"));
  MotEntier_ = new QCheckBox(QStringLiteral("&Mot entier"));
  Casse_ = new QCheckBox(QStringLiteral("Respecter la &casse"));

  auto* direction = new QGroupBox(QStringLiteral("Direction"));
  auto* haut = new QRadioButton(QStringLiteral("&Haut"));
  Bas_ = new QRadioButton(QStringLiteral("&Bas"));
  Bas_->setChecked(true);
  auto* sens = new QHBoxLayout(direction);
  sens->addWidget(haut);
  sens->addWidget(Bas_);

  auto* cases = new QVBoxLayout;
  cases->addWidget(MotEntier_);
  cases->addWidget(Casse_);
  auto* options = new QHBoxLayout;
  options->addLayout(cases);
  options->addWidget(direction);

  auto* gauche = new QVBoxLayout;
  gauche->addLayout(Champs_);
  gauche->addLayout(options);
  gauche->addStretch();

  auto* suivant = new QPushButton(QStringLiteral("&Suivant"));
  suivant->setDefault(true);
  ActifAvecTexte(suivant);
  connect(suivant, &QPushButton::clicked, this, [this] { emit Find(Texte(), Options()); });
  auto* annuler = new QPushButton(QStringLiteral("Annuler"));
  connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
  Boutons_->addWidget(suivant);
  Boutons_->addWidget(annuler);
  Boutons_->addStretch();

  auto* tout = new QHBoxLayout(this);
  tout->addLayout(gauche, 1);
  tout->addLayout(Boutons_);
}

QString TBoiteChercher::Texte() const { return Texte_->text(); }

OptionsRecherche TBoiteChercher::Options() const {
  return {.Bas = Bas_->isChecked(), .MotEntier = MotEntier_->isChecked(), .RespecterCasse = Casse_->isChecked()};
}

void TBoiteChercher::ActifAvecTexte(QPushButton* bouton) {
  bouton->setEnabled(!Texte_->text().isEmpty());
  connect(Texte_, &QLineEdit::textChanged, bouton, [bouton](const QString& texte) { bouton->setEnabled(!texte.isEmpty()); });
}

TBoiteRemplacer::TBoiteRemplacer(QWidget* parent) : TBoiteChercher(parent) {
  setWindowTitle(QStringLiteral("Remplacer"));
  Remplacement_ = AjouteChamp(Champs_, QStringLiteral("Rem&placer par :"));
  // Under "Suivant", before "Annuler".
  struct Bouton {
    QString libelle;
    bool tout;
  };
  int place = 1;
  for (const Bouton& b : {Bouton{QStringLiteral("R&emplacer"), false}, Bouton{QStringLiteral("Remplacer &tout"), true}}) {
    auto* bouton = new QPushButton(b.libelle);
    ActifAvecTexte(bouton);
    connect(bouton, &QPushButton::clicked, this,
            [this, tout = b.tout] { emit Replace(Texte(), Remplacement(), Options(), tout); });
    Boutons_->insertWidget(place++, bouton);
  }
}

QString TBoiteRemplacer::Remplacement() const { return Remplacement_->text(); }

}  // namespace korvane
