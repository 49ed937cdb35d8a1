#pragma once
// The arithmetic of the typed evaluators.

#include <cstdint>
#include <optional>
#include <string>

namespace korvane {

enum class OperateurArith : uint8_t { Aucun, Plus, Moins, Fois, Quotient, Modulo, Division, Puissance };

// Nothing when the operation fails (division by zero, a REAL result out of range).
[[nodiscard]] std::optional<int32_t> CalculeEntier(int32_t a, OperateurArith operateur, int32_t b);
[[nodiscard]] std::optional<double> CalculeReel(long double a, OperateurArith operateur, long double b);

// The longest string a program may build: SPACE$, STRING$ and "+" refuse more with
// "Trop de variables" rather than exhaust the memory of the whole environment.
inline constexpr std::size_t kLongueurMaxChaine = 16 * 1024 * 1024;

// A pixel position clamped to 32 bits.
int Borne(int64_t valeur);

}  // namespace korvane
