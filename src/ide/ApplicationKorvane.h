#pragma once
// The IDE's application object: memory running out in any command fails that command and
// is told, rather than ending the process with every unsaved document.

#include <QApplication>

#include "interpreter/Interpreteur.h"

namespace korvane {

class ApplicationKorvane : public QApplication {
  Q_OBJECT

 public:
  ApplicationKorvane(int& argc, char** argv);

  // Where the failure is told; stderr until then.
  void MessagesVers(BoitesMessage* messages) { messages_ = messages; }

  bool notify(QObject* destinataire, QEvent* evenement) override;

 private:
  BoitesMessage* messages_ = nullptr;
};

}  // namespace korvane
