#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace colmemo {

// $BBGGRR, as the rule lists and spans carry it; the top byte $FF marks a
// system colour whose value the widget resolves from its palette.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clWindow = 0xFF000005;
inline constexpr TColor clWindowText = 0xFF000008;

inline constexpr bool IsSystemColor(TColor Color) { return (Color >> 24) == 0xFF; }

// The 16 names, "#RRGGBB" or "$RRGGBB" (red and blue exchanged); white when unreadable.
TColor ParseColor(std::u16string_view Text);

// Text helpers shared by the rules: ASCII-only case and trimming of codes 0 to 32.
char16_t AsciiUpper(char16_t C);
std::u16string AsciiUpper(std::u16string_view Text);
std::u16string_view Trim(std::u16string_view Text);

}  // namespace colmemo
