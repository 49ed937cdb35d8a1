#pragma once
// The controls of a dialog found by what the user reads on them (mnemonics aside).

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace korvane::test {

inline QString SansMnemonique(QString texte) { return texte.remove('&'); }

inline QAbstractButton* Controle(const QWidget& boite, const QString& texte) {
  for (auto* bouton : boite.findChildren<QAbstractButton*>())
    if (SansMnemonique(bouton->text()) == texte) return bouton;
  return nullptr;
}

// The edit box that the label reading `libelle` names.
inline QLineEdit* Champ(const QWidget& boite, const QString& libelle) {
  for (auto* etiquette : boite.findChildren<QLabel*>())
    if (SansMnemonique(etiquette->text()) == libelle) return qobject_cast<QLineEdit*>(etiquette->buddy());
  return nullptr;
}

}  // namespace korvane::test
