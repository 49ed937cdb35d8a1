#pragma once
// The program the interpreter reads: the real lines (text blocks) of an editor's document, as
// Windows-1252 text. A last empty block is where the caret goes after the last line end,
// not a line of the program.

#include <QMetaObject>
#include <cstdint>

#include "interpreter/Interpreteur.h"

class QTextDocument;

namespace korvane {

class ProgrammeDocument : public Programme {
 public:
  explicit ProgrammeDocument(QTextDocument& document);
  ~ProgrammeDocument() override;
  ProgrammeDocument(const ProgrammeDocument&) = delete;
  ProgrammeDocument& operator=(const ProgrammeDocument&) = delete;

  int NbLignes() const override;
  // Empty outside the program.
  std::string Ligne(int index) const override;
  // Counts every change of the document, undo and redo included (the document's own revision
  // goes back on undo).
  std::optional<uint64_t> Revision() const override { return revision_; }

 private:
  QTextDocument& document_;
  QMetaObject::Connection suivi_;
  uint64_t revision_ = 0;
};

}  // namespace korvane
