#pragma once
// The functions of STRING terms that take arguments, in the order the term reader tries them.

#include <span>
#include <string>

#include "eval/Fonctions.h"

namespace korvane {

std::span<const Fonction<std::string>> FonctionsChaines();  // LEFT$ ... HEX$

}  // namespace korvane
