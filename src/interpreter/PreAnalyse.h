#pragma once
// The pre-scan: rebuilds the symbol table and the stores from the whole text.

#include <optional>

#include "machine/Machine.h"

namespace korvane {

// Clears the symbol table, the stores and the return stack, refills the palette and
// forgets the files of the channels.
void RazTables(Machine& m);

// Declares every label, SUB and DIM of the text; the line of the first failure (already
// reported), or nothing.
[[nodiscard]] std::optional<int> PreAnalyse(Machine& m, const Programme& programme);

}  // namespace korvane
