#pragma once
// The computer's clock as TIME$, DATE$ and RANDOMIZE read it; every host uses it.

#include "machine/Peripheriques.h"

namespace korvane {

class HorlogeSysteme : public Horloge {
 public:
  std::string TexteHeure() override;
  std::string TexteDate() override;
  int64_t MillisecondesUtcDuJour() override;
};

}  // namespace korvane
