#pragma once
// What closing the run's files and printer job gave: why each one that failed did.

#include <vector>

#include "base/Message.h"

namespace korvane {

struct [[nodiscard]] Fermeture {
  std::vector<Message> Echecs;  // as the user reads them
  explicit operator bool() const { return Echecs.empty(); }
};

}  // namespace korvane
