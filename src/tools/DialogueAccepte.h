#pragma once
// A dialog that remembers the user's last choice: "OK" or Enter accepts, "Annuler" or Échap
// refuses, and closing it from the title bar keeps the choice made before.

#include <QDialog>
#include <QHBoxLayout>
#include <QList>
#include <QPushButton>

namespace korvane {

class DialogueAccepte : public QDialog {
  Q_OBJECT

 public:
  explicit DialogueAccepte(QWidget* parent = nullptr);

  bool Accepte() const { return accepte_; }
  QPushButton* Button1() const { return button1_; }
  QPushButton* Button2() const { return button2_; }

 protected:
  // The two buttons at the right of a row, for the derived dialog's layout, which every
  // derived dialog calls. Tab goes through `champs` as they read, then the buttons; the
  // dialog opens with the keyboard in the first of them.
  QHBoxLayout* RangeeBoutons(const QList<QWidget*>& champs);
  void keyPressEvent(QKeyEvent* evenement) override;
  void showEvent(QShowEvent* evenement) override;

 private:
  void Choisit(bool accepte);

  QPushButton* button1_;
  QPushButton* button2_;
  QWidget* premierChamp_ = nullptr;
  bool accepte_ = false;
};

}  // namespace korvane
