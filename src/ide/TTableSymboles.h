#pragma once
// The symbol table listing: every record of the table, then counters by kind and the
// height of the return stack. "OK" or Échap closes it.

#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <span>

#include "interpreter/Interpreteur.h"

namespace korvane {

// The listing's lines: "NOM , G , adresse" per record, a blank line, a rule, six counters.
QStringList LignesStats(std::span<const Symbole> symboles, int elementsEnPile);

class TTableSymboles : public QDialog {
  Q_OBJECT

 public:
  explicit TTableSymboles(QWidget* parent = nullptr);

  // Fills the listing from the interpreter's tables, then shows it modally.
  void Stats(const Interpreteur& interpreteur);
  void Remplit(const Interpreteur& interpreteur);

  QListWidget* ListBox1() const { return listBox1_; }
  QPushButton* Button1() const { return button1_; }

 protected:
  void showEvent(QShowEvent* evenement) override;

 private:
  QListWidget* listBox1_;
  QPushButton* button1_;
};

}  // namespace korvane
