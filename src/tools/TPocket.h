#pragma once
// The pocket calculator window: digit, operator and function buttons around a display,
// also driven from the keyboard. It starts cleared each time it opens.

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "tools/Calculatrice.h"
#include "interpreter/Interpreteur.h"

namespace korvane {

class TPocket : public QDialog {
  Q_OBJECT

 public:
  // Failures are shown through `messages`.
  explicit TPocket(BoitesMessage& messages, QWidget* parent = nullptr);

  // The button whose caption is `texte` ("7", ",", "=", "1/x", "sqr", "C", "Fermer"...).
  QPushButton* Bouton(const QString& texte) const;
  QLabel* Label1() const { return label1_; }
  const Calculatrice& Etat() const { return calcul_; }

 protected:
  void showEvent(QShowEvent* evenement) override;
  void keyPressEvent(QKeyEvent* evenement) override;

 private:
  QPushButton* AjouteBouton(const QString& texte, QRect place);
  void Fait(const Calculatrice::Echec& echec);
  void FormActivate();

  BoitesMessage& messages_;
  Calculatrice calcul_;
  QLabel* label1_;
};

}  // namespace korvane
