#pragma once
// Korvane's icon, drawn from the SVG compiled into the program.

#include <QIcon>
#include <QPixmap>

class QApplication;

namespace korvane {

// The icon at every size a window manager asks for.
QIcon IconeKorvane();
// The icon drawn on a square of `cote` pixels, for the splash and the about box.
QPixmap ImageKorvane(int cote);
// Gives every window of the application the icon; the start-up calls it once.
void PoseIconeApplication(QApplication& application);

}  // namespace korvane
