#pragma once
// The about box: the program's icon, name, version, maker and purpose. It is shown without
// being modal; "OK" or Échap closes it.

#include <QDialog>
#include <QPushButton>

namespace korvane {

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  QPushButton* OKButton() const { return okButton_; }

 protected:
  void showEvent(QShowEvent* evenement) override;

 private:
  void OKButtonClick();

  QPushButton* okButton_;
};

}  // namespace korvane
