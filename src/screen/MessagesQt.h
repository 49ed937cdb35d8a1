#pragma once
// The message boxes of a run in the IDE (errors and MSGBOX), and Qt's own texts in French.

#include <QLibraryInfo>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <memory>
#include <ostream>

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

// Qt's own texts in French whatever the system's language: the default locale is French, and
// standard buttons read "OK", "Oui", "Non", "Annuler" once Qt's French translations are loaded
// from `dossier`; false, told on `avertissements`, when they cannot be.
bool QtEnFrancais(QCoreApplication& application, std::ostream& avertissements,
                         const QString& dossier = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

}  // namespace korvane
