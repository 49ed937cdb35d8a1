#pragma once
// The find and replace dialogs of the editor: modeless, in French, each use of a button
// reported as the editor's find or replace event with the dialog's text and options.

#include <QDialog>
#include <QString>

#include "ide/Recherche.h"

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace korvane {

class TBoiteChercher : public QDialog {
  Q_OBJECT

 public:
  explicit TBoiteChercher(QWidget* parent = nullptr);
  QString Texte() const;
  OptionsRecherche Options() const;

 signals:
  // "Suivant".
  void Find(const QString& texte, const korvane::OptionsRecherche& options);

 protected:
  // The replace dialog adds its own row under the find text and its buttons under "Suivant".
  QGridLayout* Champs_;
  QVBoxLayout* Boutons_;
  // Buttons that act on the find text, usable only when there is one.
  void ActifAvecTexte(QPushButton* bouton);

 private:
  QLineEdit* Texte_;
  QCheckBox* MotEntier_;
  QCheckBox* Casse_;
  QRadioButton* Bas_;
};

class TBoiteRemplacer : public TBoiteChercher {
  Q_OBJECT

 public:
  explicit TBoiteRemplacer(QWidget* parent = nullptr);
  QString Remplacement() const;

 signals:
  // "Remplacer" (tout false) and "Remplacer tout" (tout true).
  void Replace(const QString& texte, const QString& remplacement, const korvane::OptionsRecherche& options,
               bool tout);

 private:
  QLineEdit* Remplacement_;
};

}  // namespace korvane
