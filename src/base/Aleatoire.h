#pragma once
// The generator of RND: a 32-bit linear congruential sequence, reseeded by RANDOMIZE.

#include <cstdint>

namespace korvane {

class Aleatoire {
 public:
  void Seme(uint32_t graine) { graine_ = graine; }
  // Uniform in [0, 1).
  double Suivant() {
    graine_ = graine_ * 1664525u + 1013904223u;
    return graine_ / 4294967296.0;
  }
  uint32_t Graine() const { return graine_; }

 private:
  uint32_t graine_ = 0;
};

}  // namespace korvane
