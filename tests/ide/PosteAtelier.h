#pragma once
// An application object with one editor window on a program, its boxes and dialogs faked
// and its print jobs PDF files in a temporary folder.

#include <QString>
#include <QTemporaryDir>
#include <QTextBlock>
#include <memory>

#include "ide/Atelier.h"
#include "ide/BancEditeur.h"

namespace korvane::test {

struct PosteAtelier {
  MessagesNotes messages;
  FauxDialogues dialogues;
  QTemporaryDir pdf;
  Atelier atelier{messages, dialogues, SortieImpression{false, pdf.path()}};
  std::unique_ptr<TEditeur> editeur = atelier.NouvelEditeur();

  explicit PosteAtelier(const QString& texte) { editeur->Memo1()->setPlainText(texte); }
  QString Ligne(int k) const { return editeur->Memo1()->document()->findBlockByNumber(k).text(); }
};

}  // namespace korvane::test
