#pragma once
// What the dispatcher hands a statement procedure.

#include <string>
#include <string_view>

namespace korvane {

class CacheLignes;
struct Machine;

struct Instruction {
  CacheLignes& Lignes;   // the program's lines, for partner searches
  const std::string& U;  // the line, upper-cased
  std::string Argument;  // what follows the first word (the procedure's own copy)
  int& Ligne;            // set to a jump's target line; the run loop then adds 1
};

using Procedure = void (*)(Machine& m, Instruction& i);

// A statement procedure by the first word of its lines.
struct MotInstruction {
  std::string_view Mot;
  Procedure Executer;
};

}  // namespace korvane
