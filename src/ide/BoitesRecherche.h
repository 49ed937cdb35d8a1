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
  // A labelled edit box under the last one, next to it in the Tab order.
  QLineEdit* AjouteChamp(const QString& libelle);
  // A button under the last one but "Annuler", next to it in the Tab order.
  void AjouteBouton(QPushButton* bouton);
  // Buttons that act on the find text, usable only when there is one.
  void ActifAvecTexte(QPushButton* bouton);
  void showEvent(QShowEvent* evenement) override;

 private:
  QGridLayout* Champs_;
  QVBoxLayout* Boutons_;
  QLineEdit* dernierChamp_ = nullptr;
  QPushButton* dernierBouton_ = nullptr;
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
