#pragma once
// The conditions of IF, WHILE and LOOP: an end-of-file test or one textual comparison.

#include <optional>
#include <string>

#include "machine/Machine.h"

namespace korvane {

// The condition's truth; nothing once a failure has been reported.
[[nodiscard]] std::optional<bool> EvalCondition(Machine& m, const std::string& condition);

}  // namespace korvane
