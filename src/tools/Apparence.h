#pragma once
// The look of the tools' windows: their font, and plain colours on widgets.

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QWidget>

namespace korvane {

// The desktop's font at 17 pixels.
inline QFont PoliceOutils() {
  QFont police = QApplication::font();
  police.setPixelSize(17);
  return police;
}

// A bold sans-serif font of `pixels` pixels, for the clock and the calendar's caption.
inline QFont PoliceGrasse(int pixels, bool italique = false) {
  QFont police(QStringLiteral("DejaVu Sans"));
  police.setBold(true);
  police.setItalic(italique);
  police.setPixelSize(pixels);
  return police;
}

inline const QColor kSarcelle(0, 128, 128);
inline const QColor kArgent(192, 192, 192);

// Gives `widget` (and its children) `couleur` for `role`; a background colour is painted.
inline void Colore(QWidget* widget, QPalette::ColorRole role, const QColor& couleur) {
  QPalette couleurs = widget->palette();
  couleurs.setColor(role, couleur);
  widget->setPalette(couleurs);
  if (role == QPalette::Window) widget->setAutoFillBackground(true);
}

}  // namespace korvane
