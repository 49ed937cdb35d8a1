#pragma once
// The functions of INTEGER and REAL terms, in the order the term readers try them.

#include <cstdint>
#include <span>

#include "eval/Fonctions.h"

namespace korvane {

std::span<const Fonction<int32_t>> FonctionsEntieres();  // ABS INT ASC VAL INSTR LEN
std::span<const Fonction<double>> FonctionsReelles();    // ABS SQR SIN COS LOG EXP

}  // namespace korvane
