#pragma once
// Assignment: every line the dispatcher does not recognise, NAME[(subscript)] = expression.

#include <string>

#include "machine/Machine.h"

namespace korvane {

void Affectation(Machine& m, const std::string& ligne);

}  // namespace korvane
