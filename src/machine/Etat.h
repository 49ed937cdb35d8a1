#pragma once
// The state codes of a run (Etat) and of the result Exec gives back.

#include <cstdint>

namespace korvane {

inline constexpr int32_t kContinue = 0;
inline constexpr int32_t kArret = 1;  // an error already reported, or a step stop
inline constexpr int32_t kFin = 999;  // END: a quiet end

}  // namespace korvane
