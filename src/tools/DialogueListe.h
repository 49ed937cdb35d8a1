#pragma once
// A list to pick one item from: Enter or a double click closes it keeping the selected item,
// Échap drops the selection and closes it. The selection stays between openings.

#include <QDialog>
#include <QListWidget>
#include <QString>

namespace korvane {

class DialogueListe : public QDialog {
  Q_OBJECT

 public:
  explicit DialogueListe(QWidget* parent = nullptr);

  // The selected item's text; empty when nothing is selected.
  QString Result() const;

  QListWidget* ListBox1() const { return listBox1_; }

 protected:
  void keyPressEvent(QKeyEvent* evenement) override;

 private:
  QListWidget* listBox1_;
};

}  // namespace korvane
