#pragma once
// The message boxes of a run in the IDE (errors and MSGBOX), and Qt's French texts for the
// standard buttons of every box.

#include <QMessageBox>
#include <QPointer>
#include <memory>

#include "interpreter/Interpreteur.h"

class QCoreApplication;

namespace korvane {

class MessagesQt : public BoitesMessage {
 public:
  explicit MessagesQt(QWidget* parent = nullptr) : parent_(parent) {}
  // A modal information box titled "Korvane" with an OK button.
  void Affiche(const std::string& texte) override;
  // The box that Affiche shows, not yet shown.
  std::unique_ptr<QMessageBox> Boite(const std::string& texte) const;

 private:
  QPointer<QWidget> parent_;
};

// Standard buttons read "OK", "Oui", "Non", "Annuler"; false when Qt's French translations
// are not installed.
bool ChargeTraductionsQt(QCoreApplication& application);

}  // namespace korvane
