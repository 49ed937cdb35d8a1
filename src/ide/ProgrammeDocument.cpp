#include "ide/ProgrammeDocument.h"

#include <QTextBlock>
#include <QTextDocument>

#include "screen/TexteQt.h"

namespace korvane {

ProgrammeDocument::ProgrammeDocument(QTextDocument& document)
    : document_(document),
      suivi_(QObject::connect(&document, &QTextDocument::contentsChange, [this] { ++revision_; })) {}

ProgrammeDocument::~ProgrammeDocument() { QObject::disconnect(suivi_); }

int ProgrammeDocument::NbLignes() const {
  const int blocs = document_.blockCount();
  return document_.lastBlock().length() == 1 ? blocs - 1 : blocs;
}

std::string ProgrammeDocument::Ligne(int index) const {
  if (index < 0 || index >= NbLignes()) return {};
  return VersCp1252(document_.findBlockByNumber(index).text());
}

}  // namespace korvane
