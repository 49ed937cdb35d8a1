#pragma once
// Number <-> text conversions of the dialect, independent of the C library's locale.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

// Magnitudes of the 6-byte real: 40-bit significand, exponents 2^-128 .. 2^127.
inline constexpr double kReelMin = 0x1p-128;                      // about 2.9E-39
inline constexpr double kReelMax = 0x1.fffffffffep+126;           // about 1.7E38

// Rounds to the nearest 6-byte real. Too small becomes 0; too large (or not a number) fails.
[[nodiscard]] std::optional<double> ArrondiReel6(long double valeur);

// General format: at most `chiffres` (1 to 17) significant digits, no trailing zeros, fixed
// notation from 0.0001 up to 15 integer digits, otherwise 1E20 / 2.5E-7.
std::string FormatReel(double valeur, char separateur, int chiffres = 15);

// Leading blanks, optional sign, decimal digits or '$' and hexadecimal digits, within 32 bits.
[[nodiscard]] std::optional<int32_t> TexteVersEntier(std::string_view texte);

// Blanks around, optional sign, digits with `separateur`, optional exponent; rounded to the
// 6-byte real, failing outside its range.
[[nodiscard]] std::optional<double> TexteVersReel(std::string_view texte, char separateur);

std::string EntierVersTexte(int32_t valeur);

}  // namespace korvane
