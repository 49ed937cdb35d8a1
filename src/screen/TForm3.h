#pragma once
// The run window "Ecran": the surface on which a running program draws.
//
// What the program draws goes into an image that the window paints from, so that output
// survives the window being covered, moved, resized or minimised; closing the window
// clears it. The image follows the screen's device pixel ratio, so that text stays sharp.
// Drawing never waits for a repaint: it only marks the area to paint again, and texts wait
// to be rendered until then, so that a text blanked by a later one before the window shows
// it costs nothing.

#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRawFont>
#include <QWidget>
#include <array>
#include <cstdint>
#include <vector>

#include "interpreter/Interpreteur.h"

namespace korvane {

class ClavierQt;

class TForm3 : public QWidget, public SurfaceEcran {
  Q_OBJECT

 public:
  // Keys pressed in the window go to `clavier`. With a parent it stays a window of its own.
  explicit TForm3(ClavierQt& clavier, QWidget* parent = nullptr);

  void Montre(const std::string& titre) override;
  void DessineTexte(int x, int y, const std::string& texte) override;
  int LargeurTexte(const std::string& texte) override;
  void Trait(int x1, int y1, int x2, int y2) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void ChangeCouleurTexte(Couleur couleur) override;
  Geometrie Fenetre() override;

  // What the client area shows, at the screen's pixel ratio.
  QImage Image();

 protected:
  void paintEvent(QPaintEvent* evenement) override;
  void resizeEvent(QResizeEvent* evenement) override;
  void moveEvent(QMoveEvent* evenement) override;
  void closeEvent(QCloseEvent* evenement) override;
  void keyPressEvent(QKeyEvent* evenement) override;

 private:
  // A text drawn but not yet rendered into the image.
  struct Texte {
    QRect Cellule;  // blanked, within the client area
    QRect Encre;    // what its cell and glyphs may touch, within the client area
    QColor Couleur;
    QPointF Origine;
    QGlyphRun Glyphes;
  };

  // The part of the client area within x1..x2-1, y1..y2-1; empty when none.
  QRect Visible(int64_t x1, int64_t y1, int64_t x2, int64_t y2) const;
  QPainter& Peintre();
  void RendTextes();
  // The waiting texts rendered, the painter is ended.
  void TerminePeintre();
  // The image covers the largest client area so far, at the screen's pixel ratio.
  void AjusteImage();
  void AjusteCadre();
  void EffaceHorsDe(QSize client);

  ClavierQt& clavier_;
  QFont police_;
  QRawFont brute_;
  // Per Windows-1252 byte: its glyph (0: none), its width in whole pixels, and the pixels
  // the glyph may touch around its origin on the baseline.
  std::array<quint32, 256> glyphes_{};
  std::array<int, 256> largeurs_{};
  std::array<QRect, 256> encres_{};
  int ascendante_ = 0;
  int hauteurTexte_ = 0;
  QColor couleurTexte_ = Qt::black;
  const QPen plume_{Qt::black, 1, Qt::SolidLine, Qt::FlatCap};
  QImage image_;
  QSize tailleImage_;
  QPainter peintre_;
  std::vector<Texte> textes_;
  bool cadreAjuste_ = false;
};

}  // namespace korvane
