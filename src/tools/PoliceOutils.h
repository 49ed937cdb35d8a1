#pragma once
// The font of the tools' windows: the desktop's, at 17 pixels.

#include <QApplication>
#include <QFont>

namespace korvane {

inline QFont PoliceOutils() {
  QFont police = QApplication::font();
  police.setPixelSize(17);
  return police;
}

}  // namespace korvane
