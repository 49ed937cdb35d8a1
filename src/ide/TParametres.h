#pragma once
// The run parameters dialog: edits the text COMMAND$ returns. "OK" or Enter accepts,
// "Annuler" or Échap refuses; closing from the title bar repeats the previous choice.

#include <QLineEdit>

#include "tools/DialogueAccepte.h"

#include "interpreter/Interpreteur.h"

namespace korvane {

class TParametres : public DialogueAccepte {
  Q_OBJECT

 public:
  explicit TParametres(QWidget* parent = nullptr);

  // Shows the dialog modally on the interpreter's parameters text and keeps Edit1's text
  // when the last choice was to accept.
  void Param(Interpreteur& interpreteur);
  // The two halves of Param, around the modal loop.
  void Ouvre(const Interpreteur& interpreteur);
  void Applique(Interpreteur& interpreteur) const;

  QLineEdit* Edit1() const { return edit1_; }

 protected:
  void showEvent(QShowEvent* evenement) override;

 private:
  QLineEdit* edit1_;
};

}  // namespace korvane
