#pragma once
// The keyword list: the dialect's 68 keywords in order, one of which the editor inserts.

#include <QStringList>

#include "tools/DialogueListe.h"

namespace korvane {

// The keywords as the list shows them.
const QStringList& MotsCle();

class TMotsCle : public DialogueListe {
  Q_OBJECT

 public:
  explicit TMotsCle(QWidget* parent = nullptr);
};

}  // namespace korvane
