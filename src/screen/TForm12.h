#pragma once
// The input box of INPUT: a borderless one-line field that opens modally where the
// statement places it. Enter gives the text; Échap cancels it and asks the run to stop.

#include <QDialog>
#include <QLineEdit>

#include "interpreter/Interpreteur.h"

namespace korvane {

class ClavierQt;

class TForm12 : public QDialog, public BoiteSaisie {
  Q_OBJECT

 public:
  // A cancel is a request to stop the run, told to `clavier`.
  explicit TForm12(ClavierQt& clavier, QWidget* parent = nullptr);

  bool Saisit(int gauche, int haut, int largeur, std::string& texte) override;
  QString Result() const { return edit1_->text(); }
  QLineEdit* Edit1() const { return edit1_; }

 protected:
  void showEvent(QShowEvent* evenement) override;
  void resizeEvent(QResizeEvent* evenement) override;

 private:
  ClavierQt& clavier_;
  QLineEdit* edit1_;
};

}  // namespace korvane
