#pragma once
// The arithmetic of the typed evaluators, shared by the text path and the compiled lines.

#include <cstdint>
#include <optional>
#include <string>

namespace korvane {

// Nothing when the operation fails (division by zero, a REAL result out of range).
std::optional<int32_t> CalculeEntier(int32_t a, const std::string& operateur, int32_t b);
std::optional<double> CalculeReel(long double a, const std::string& operateur, long double b);

// Position of the last "+" outside double quotes, the split point of a STRING expression.
std::size_t DernierPlusHorsGuillemets(const std::string& texte);

}  // namespace korvane
