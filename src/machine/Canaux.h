#pragma once
// The text-file channels 1-3 and the state of the printer job of LPRINT.

#include <array>
#include <cstdint>
#include <string>

#include "base/Canal.h"

namespace korvane {

class Canaux {
 public:
  [[nodiscard]] static constexpr bool Valide(int32_t numero) { return numero >= 1 && numero <= 3; }

  // A valid channel number.
  Canal& operator[](int32_t numero) { return canaux_[static_cast<std::size_t>(numero - 1)]; }

  // Closes every file and forgets its name, ignoring a failed final write.
  void DelieTout();
  // Whether an open channel holds the file `nom` names, however it is spelt.
  [[nodiscard]] bool Tient(const std::string& nom) const;

  bool ImprimanteOuverte = false;  // LPRINT has started a job that CloseAll ends

 private:
  std::array<Canal, 3> canaux_;
};

}  // namespace korvane
