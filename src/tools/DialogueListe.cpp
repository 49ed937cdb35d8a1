#include "tools/DialogueListe.h"

#include <QKeyEvent>
#include <QVBoxLayout>

namespace korvane {

DialogueListe::DialogueListe(QWidget* parent) : QDialog(parent), listBox1_(new QListWidget(this)) {
  auto* disposition = new QVBoxLayout(this);
  disposition->setContentsMargins(0, 0, 0, 0);
  disposition->addWidget(listBox1_);
  connect(listBox1_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

QString DialogueListe::Result() const {
  const QList<QListWidgetItem*> choix = listBox1_->selectedItems();
  return choix.isEmpty() ? QString() : choix.front()->text();
}

// The list leaves Enter and Échap to the dialog.
void DialogueListe::keyPressEvent(QKeyEvent* evenement) {
  switch (evenement->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      accept();
      return;
    case Qt::Key_Escape:
      listBox1_->clearSelection();
      reject();
      return;
    default:
      QDialog::keyPressEvent(evenement);
  }
}

}  // namespace korvane
