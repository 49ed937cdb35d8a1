#pragma once
// The modal dialogs of an editor window, behind an interface so that tests answer them.
// A filter is a list of pairs "label|patterns|label|patterns", each label shown as written.

#include <QFileDialog>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "screen/DialoguesEcran.h"

class QDialog;
class QWidget;

namespace korvane {

enum class Reponse { Oui, Non, Annuler };

// What the print dialog chose: a PDF file when the user gave an output file, else a printer
// (empty: the one set up).
struct ChoixImpression {
  QString Imprimante;
  QString Fichier;
};

// The save dialog and the replace question come from the run window's dialogs.
class DialoguesEditeur : public DialoguesEcran {
 public:
  // The chosen path, or empty when the user cancels.
  virtual QString NomOuverture(QWidget* parent, const QString& titre, const QString& filtre, const QString& nom) = 0;
  // The print dialog: nothing when the user cancels.
  virtual std::optional<ChoixImpression> DialogueImpression(QWidget* parent) = 0;
  // The printer set-up: `imprimante` is the printer chosen (empty: the default one), which
  // the user may change.
  virtual void ConfigurationImpression(QWidget* parent, QString& imprimante) = 0;
  // Shows one of the application's dialogs modally.
  virtual void Montre(QDialog& dialogue) = 0;
  // A confirmation box with the buttons Oui, Non and Annuler.
  virtual Reponse Confirmation(QWidget* parent, const QString& texte) = 0;
};

// Such a filter as Qt name filters, each ending with its patterns in parentheses ("*.*"
// becomes "*", as the user means every file, names without a dot included).
QStringList FiltresQt(const QString& filtre);

// The file dialog that DialoguesQt shows, in French whatever the system's language.
std::unique_ptr<QFileDialog> DialogueFichier(QWidget* parent, QFileDialog::AcceptMode mode, const QString& titre,
                                             const QString& filtre, const QString& nom);

// Korvane keeps no settings file: Qt's own widgets write theirs nowhere. Called before the
// application object exists.
void SansFichierDeReglages();

// The dialogs shown to the user.
class DialoguesQt : public DialoguesEditeur {
 public:
  QString NomEnregistrement(QWidget* parent, const QString& filtre, const QString& nom) override;
  QString NomOuverture(QWidget* parent, const QString& titre, const QString& filtre, const QString& nom) override;
  std::optional<ChoixImpression> DialogueImpression(QWidget* parent) override;
  void ConfigurationImpression(QWidget* parent, QString& imprimante) override;
  void Montre(QDialog& dialogue) override;
  Reponse Confirmation(QWidget* parent, const QString& texte) override;
  bool Remplacement(QWidget* parent, const QString& texte) override;
};

}  // namespace korvane
