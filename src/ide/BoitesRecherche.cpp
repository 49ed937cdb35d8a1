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

TBoiteChercher::TBoiteChercher(QWidget* parent)
    : QDialog(parent), Champs_(new QGridLayout), Boutons_(new QVBoxLayout) {
  setWindowTitle(QStringLiteral("Rechercher"));
  setModal(false);
  Texte_ = AjouteChamp(QStringLiteral("&Rechercher :"));
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

  dernierBouton_ = new QPushButton(QStringLiteral("&Suivant"));
  dernierBouton_->setDefault(true);
  ActifAvecTexte(dernierBouton_);
  connect(dernierBouton_, &QPushButton::clicked, this, [this] { emit Find(Texte(), Options()); });
  auto* annuler = new QPushButton(QStringLiteral("Annuler"));
  connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
  Boutons_->addWidget(dernierBouton_);
  Boutons_->addWidget(annuler);
  Boutons_->addStretch();

  auto* tout = new QHBoxLayout(this);
  tout->addLayout(gauche, 1);
  tout->addLayout(Boutons_);
}

QLineEdit* TBoiteChercher::AjouteChamp(const QString& libelle) {
  auto* champ = new QLineEdit;
  auto* etiquette = new QLabel(libelle);
  etiquette->setBuddy(champ);
  const int ligne = Champs_->rowCount();
  Champs_->addWidget(etiquette, ligne, 0);
  Champs_->addWidget(champ, ligne, 1);
  // Added after the options, the field would come after them too.
  if (dernierChamp_ != nullptr) setTabOrder(dernierChamp_, champ);
  dernierChamp_ = champ;
  return champ;
}

void TBoiteChercher::AjouteBouton(QPushButton* bouton) {
  Boutons_->insertWidget(Boutons_->indexOf(dernierBouton_) + 1, bouton);
  setTabOrder(dernierBouton_, bouton);
  dernierBouton_ = bouton;
}

// At each opening: the dialog is modeless and reused, and would keep the focus of its last use.
void TBoiteChercher::showEvent(QShowEvent* evenement) {
  QDialog::showEvent(evenement);
  Texte_->setFocus(Qt::OtherFocusReason);
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
  Remplacement_ = AjouteChamp(QStringLiteral("Rem&placer par :"));
  struct Bouton {
    QString libelle;
    bool tout;
  };
  for (const Bouton& b : {Bouton{QStringLiteral("R&emplacer"), false}, Bouton{QStringLiteral("Remplacer &tout"), true}}) {
    auto* bouton = new QPushButton(b.libelle);
    ActifAvecTexte(bouton);
    connect(bouton, &QPushButton::clicked, this,
            [this, tout = b.tout] { emit Replace(Texte(), Remplacement(), Options(), tout); });
    AjouteBouton(bouton);
  }
}

QString TBoiteRemplacer::Remplacement() const { return Remplacement_->text(); }

}  // namespace korvane
