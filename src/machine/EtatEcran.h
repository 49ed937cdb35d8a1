#pragma once
// What the interpreter knows of the run window: the text cursor in client pixels, the
// text colour and the 16 colours of COLOR.

#include <array>
#include <cstdint>

#include "machine/Peripheriques.h"

namespace korvane {

class EtatEcran {
 public:
  static constexpr int kHauteurLigne = 18;
  static constexpr int kLargeurColonne = 8;

  EtatEcran() { RemplitPalette(); }
  void RemplitPalette();
  // Colour `n` of COLOR, 0-15.
  Couleur Palette(int n) const { return palette_[static_cast<std::size_t>(n)]; }
  void ChangePalette(int n, Couleur couleur) { palette_[static_cast<std::size_t>(n)] = couleur; }

  // Positions saturate: a cursor pushed far beyond the window stays there, invisible,
  // instead of overflowing.
  void Place(int64_t x, int64_t y);
  void Avance(int64_t largeur) { Place(int64_t{CurseurX} + largeur, CurseurY); }
  void NouvelleLigne() { Place(0, int64_t{CurseurY} + kHauteurLigne); }

  int CurseurX = 0;
  int CurseurY = 0;
  Couleur CouleurTexte{};

 private:
  std::array<Couleur, 16> palette_{};
};

}  // namespace korvane
