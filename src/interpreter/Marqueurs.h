#pragma once
// The line markers, the first byte of a line in the program text: the run loop reads the
// breakpoint, the editor's run commands set and remove both.

namespace korvane {

inline constexpr char kPointArret = '\xBB';  // '»'
inline constexpr char kLignePas = '\x95';    // '•', the next line of step mode

}  // namespace korvane
