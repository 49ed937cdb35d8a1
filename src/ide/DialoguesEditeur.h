#pragma once
// The modal dialogs of an editor window, behind an interface so that tests answer them.
// Filters are written as the description writes them: "label|patterns|label|patterns".

#include <QString>
#include <QStringList>

class QWidget;

namespace korvane {

enum class Reponse { Oui, Non, Annuler };

class DialoguesEditeur {
 public:
  virtual ~DialoguesEditeur() = default;
  // The chosen path, or empty when the user cancels.
  virtual QString NomEnregistrement(QWidget* parent, const QString& filtre, const QString& nom) = 0;
  virtual QString NomOuverture(QWidget* parent, const QString& titre, const QString& filtre, const QString& nom) = 0;
  // The print dialog: true when the user asks to print.
  virtual bool DialogueImpression(QWidget* parent) = 0;
  // A confirmation box with the buttons Oui, Non and Annuler.
  virtual Reponse Confirmation(QWidget* parent, const QString& texte) = 0;
};

// A description filter as Qt name filters, each ending with its patterns in parentheses
// ("*.*" matches every name, as it does on the description's platform).
QStringList FiltresQt(const QString& filtre);

// The dialogs shown to the user.
class DialoguesQt : public DialoguesEditeur {
 public:
  QString NomEnregistrement(QWidget* parent, const QString& filtre, const QString& nom) override;
  QString NomOuverture(QWidget* parent, const QString& titre, const QString& filtre, const QString& nom) override;
  bool DialogueImpression(QWidget* parent) override;
  Reponse Confirmation(QWidget* parent, const QString& texte) override;
};

}  // namespace korvane
