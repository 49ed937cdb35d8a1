#pragma once
// Find, find next and replace of an editor window, on its text widget. The search runs over
// the document's text as Windows-1252 bytes, one byte per character of the document (a line
// break is one character), so that a match's offset is its position in the document.

#include <QObject>
#include <QString>
#include <string>

#include "ide/BoitesRecherche.h"
#include "ide/Recherche.h"
#include "interpreter/Interpreteur.h"

class QPlainTextEdit;

namespace korvane {

// The text as one Windows-1252 byte per UTF-16 unit of the document; line and paragraph
// separators become '\n', characters Windows-1252 lacks become '?'.
std::string TamponDocument(const QString& texte);

// False when the text or the memo is empty or nothing matches; otherwise the match becomes
// the memo's selection, the caret at its end.
bool ChercheTexte(QPlainTextEdit& memo, const QString& texte, const OptionsRecherche& options);

// The editor window's search commands and its two dialogs. The dialogs are children of the
// memo; this object must not outlive it.
class TRechercheMemo {
 public:
  TRechercheMemo(QPlainTextEdit& memo, BoitesMessage& messages);

  // Shows FindDialog1, modeless.
  void Chercher();
  // The find event of both dialogs; reports a text not found.
  void Find(const QString& texte, const OptionsRecherche& options);
  // Find again with FindDialog1's current text and options (F3).
  void Continuer();
  // Shows ReplaceDialog1, modeless.
  void Remplacer();
  // The replace event: "Remplacer" (tout false) or "Remplacer tout". Does nothing while the
  // memo is read-only (a program is running).
  void Replace(const QString& texte, const QString& remplacement, const OptionsRecherche& options, bool tout);

  TBoiteChercher& FindDialog1() { return *FindDialog1_; }
  TBoiteRemplacer& ReplaceDialog1() { return *ReplaceDialog1_; }

 private:
  QPlainTextEdit& Memo_;
  BoitesMessage& Messages_;
  TBoiteChercher* FindDialog1_;
  TBoiteRemplacer* ReplaceDialog1_;
  QObject Connexions_;  // ends the dialogs' connections with this object
};

}  // namespace korvane
