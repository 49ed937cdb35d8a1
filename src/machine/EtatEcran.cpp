#include "machine/EtatEcran.h"

#include "base/Calcul.h"

namespace korvane {

void EtatEcran::RemplitPalette() {
  palette_ = {{{0, 0, 0}, {0, 0, 128}, {0, 128, 0}, {0, 0, 255},
               {255, 0, 0}, {128, 0, 128}, {128, 0, 0}, {192, 192, 192},
               {128, 128, 0}, {0, 255, 0}, {0, 255, 255}, {0, 128, 128},
               {255, 0, 255}, {128, 0, 128}, {255, 255, 0}, {255, 255, 255}}};
}

void EtatEcran::Place(int64_t x, int64_t y) {
  CurseurX = Borne(x);
  CurseurY = Borne(y);
}

}  // namespace korvane
