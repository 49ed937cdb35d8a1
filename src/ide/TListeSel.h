#pragma once
// The list of the program's SUBs, to put the editor's caret on one of them. Enter or a
// double click keeps the selected item; Échap drops the selection.

#include <QString>
#include <QStringList>
#include <optional>

#include "tools/DialogueListe.h"

namespace korvane {

// The first line of `lignes` that contains `item`; nothing for an empty item or none found.
std::optional<int> LigneContenant(const QStringList& lignes, const QString& item);

class TListeSel : public DialogueListe {
  Q_OBJECT

 public:
  explicit TListeSel(QWidget* parent = nullptr);

  // Lists the SUB headers of the program's lines, lets the user pick one modally and
  // gives the line where the caret goes, or nothing.
  std::optional<int> ListeSubs(const QStringList& lignes);
  // The SUB headers without their leading blanks and tabs, nothing selected.
  void Remplit(const QStringList& lignes);
};

}  // namespace korvane
