#pragma once
// The run parameters dialog: edits the text COMMAND$ returns. "OK" or Enter accepts,
// "Annuler" or Échap refuses; closing from the title bar repeats the previous choice.

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "interpreter/Interpreteur.h"

namespace korvane {

class TParametres : public QDialog {
 public:
  explicit TParametres(QWidget* parent = nullptr);

  // Shows the dialog modally on the interpreter's parameters text and keeps Edit1's text
  // when the last choice was to accept.
  void Param(Interpreteur& interpreteur);
  // The two halves of Param, around the modal loop.
  void Ouvre(const Interpreteur& interpreteur);
  void Applique(Interpreteur& interpreteur) const;

  bool Accepte() const { return accepte_; }
  QLineEdit* Edit1() const { return edit1_; }
  QPushButton* Button1() const { return button1_; }
  QPushButton* Button2() const { return button2_; }

 protected:
  void keyPressEvent(QKeyEvent* evenement) override;
  void showEvent(QShowEvent* evenement) override;

 private:
  void Choisit(bool accepte);

  QLineEdit* edit1_;
  QPushButton* button1_;
  QPushButton* button2_;
  bool accepte_ = false;
};

}  // namespace korvane
