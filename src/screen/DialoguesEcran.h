#pragma once
// The dialogs that keep a run window's picture in a file, behind an interface so that tests
// answer them. A filter is a list of pairs "label|patterns|label|patterns".

#include <QString>

class QWidget;

namespace korvane {

class DialoguesEcran {
 public:
  virtual ~DialoguesEcran() = default;
  // The chosen path, or empty when the user cancels.
  virtual QString NomEnregistrement(QWidget* parent, const QString& filtre, const QString& nom) = 0;
  // A question with the buttons Oui and Non: true for Oui.
  virtual bool Remplacement(QWidget* parent, const QString& texte) = 0;
};

// The question asked before a save replaces the file at `chemin`.
inline QString QuestionRemplacement(const QString& chemin) {
  return QStringLiteral("« %1 » existe déjà. Voulez-vous le remplacer ?").arg(chemin);
}

}  // namespace korvane
