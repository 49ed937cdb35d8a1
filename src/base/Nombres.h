#pragma once
// Number <-> text conversions of the dialect, independent of the C library's locale.

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

// Magnitudes of the 6-byte real: 40-bit significand, exponents 2^-128 .. 2^127.
inline constexpr double kReelMin = 0x1p-128;                      // about 2.9E-39
inline constexpr double kReelMax = 0x1.fffffffffep+126;           // about 1.7E38

// Every REAL operation rounds its result: inline, so that a loop's arithmetic stays in registers.
// The significand rounded to 40 bits, to nearest and ties to even.
inline long double Arrondi40Bits(long double valeur) {
  if constexpr (std::numeric_limits<long double>::digits == 64 && std::numeric_limits<long double>::is_iec559) {
    // The x87 format keeps its 64-bit significand, leading bit included, in the low 8 bytes:
    // rounding them is the same as the general way below, without its library calls.
    uint64_t significande = 0;
    uint16_t signeExposant = 0;
    std::memcpy(&significande, &valeur, sizeof significande);
    std::memcpy(&signeExposant, reinterpret_cast<const unsigned char*>(&valeur) + sizeof significande,
                sizeof signeExposant);
    const unsigned exposant = signeExposant & 0x7FFFu;
    if (exposant != 0 && exposant < 0x7FFEu) {
      constexpr uint64_t kUnite = uint64_t{1} << 24, kMoitie = kUnite >> 1, kReste = kUnite - 1;
      const uint64_t reste = significande & kReste;
      significande &= ~kReste;
      if (reste > kMoitie || (reste == kMoitie && (significande & kUnite) != 0)) {
        significande += kUnite;
        if (significande == 0) {  // carried out of the top bit: the next power of two
          significande = uint64_t{1} << 63;
          ++signeExposant;
        }
      }
      long double arrondie = valeur;
      std::memcpy(&arrondie, &significande, sizeof significande);
      std::memcpy(reinterpret_cast<unsigned char*>(&arrondie) + sizeof significande, &signeExposant,
                  sizeof signeExposant);
      return arrondie;
    }
  }
  int exposant = 0;
  const long double mantisse = std::frexp(valeur, &exposant);  // |mantisse| in [0.5, 1)
  return std::ldexp(std::nearbyint(std::ldexp(mantisse, 40)), exposant - 40);
}

// Rounds to the nearest 6-byte real. Too small becomes 0; too large (or not a number) fails.
[[nodiscard]] inline std::optional<double> ArrondiReel6(long double valeur) {
  if (std::isnan(valeur)) return std::nullopt;
  if (valeur == 0) return 0.0;
  const long double arrondie = Arrondi40Bits(valeur);
  if (std::isinf(arrondie) || std::fabs(arrondie) > kReelMax) return std::nullopt;
  if (std::fabs(arrondie) < kReelMin) return 0.0;
  return static_cast<double>(arrondie);
}

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
