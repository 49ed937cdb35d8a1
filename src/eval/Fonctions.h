#pragma once
// The built-in functions, by result type, in the order the term readers try them.
// Each takes the argument text of NAME(arguments) without its closing ")" and gives
// nothing after reporting an error.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace korvane {

class Interpreteur;

template <typename Valeur>
struct Fonction {
  std::string_view Nom;
  std::optional<Valeur> (*Calcule)(Interpreteur& it, const std::string& arguments);
};

std::span<const Fonction<int32_t>> FonctionsEntieres();   // ABS INT ASC VAL INSTR LEN
std::span<const Fonction<double>> FonctionsReelles();     // ABS SQR SIN COS LOG EXP
std::span<const Fonction<std::string>> FonctionsChaines();  // LEFT$ ... HEX$

}  // namespace korvane
