#pragma once
// The variable inspector: Enter in "Variable" shows the value of the typed name, or of one
// element of an array with A(3), as the last run left it. Échap or "Fermer" closes it.

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "interpreter/Interpreteur.h"

namespace korvane {

class TVariable : public QDialog {
  Q_OBJECT

 public:
  // Reads the values of `interpreteur`, whose message boxes show the errors of subscripts.
  explicit TVariable(Interpreteur& interpreteur, QWidget* parent = nullptr);

  // Shows the dialog modally with the focus in Edit1.
  void Examiner();
  // What Enter in Edit1 does: Edit2 := the value of Edit1's name.
  void Examine();

  QLineEdit* Edit1() const { return edit1_; }
  QLineEdit* Edit2() const { return edit2_; }
  QPushButton* Button1() const { return button1_; }

 protected:
  void showEvent(QShowEvent* evenement) override;

 private:
  Interpreteur& interpreteur_;
  QLineEdit* edit1_;
  QLineEdit* edit2_;
  QPushButton* button1_;
};

}  // namespace korvane
