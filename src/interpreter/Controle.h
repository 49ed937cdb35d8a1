#pragma once
// Control flow: jumps, subroutines, IF blocks and loops. Partners (ENDIF, NEXT, WEND...)
// are found by reading the following lines of the text, without counting nesting; the way
// back to a caller or to the top of a loop lives on the return stack.

#include <cstdint>
#include <optional>
#include <string>

#include "machine/Instruction.h"
#include "machine/Machine.h"

namespace korvane {

class CacheLignes;

void InstrGoto(Machine& m, Instruction& i);
void InstrGosub(Machine& m, Instruction& i);
void InstrReturn(Machine& m, Instruction& i);
void InstrCall(Machine& m, Instruction& i);
void InstrExit(Machine& m, Instruction& i);
void InstrIf(Machine& m, Instruction& i);
void InstrElse(Machine& m, Instruction& i);
void InstrFor(Machine& m, Instruction& i);
void InstrNext(Machine& m, Instruction& i);
void InstrWhile(Machine& m, Instruction& i);
void InstrWend(Machine& m, Instruction& i);
void InstrDo(Machine& m, Instruction& i);
void InstrLoop(Machine& m, Instruction& i);
// END SUB and RETURN: back to the line after the call.
void Retour(Machine& m, int& Ligne);

// IF's condition and what follows THEN (upper-cased); nothing without THEN.
struct SiAlors {
  std::string Condition;
  std::string Apres;
};
std::optional<SiAlors> DecoupeIf(const std::string& argument);

// What IF, WHILE and LOOP do once their condition is known (shared with compiled lines).
void SuiteIf(Machine& m, CacheLignes& lignes, const std::string& apres, bool vrai, int& Ligne);
void SuiteWhile(Machine& m, CacheLignes& lignes, bool vrai, int& Ligne);
void SuiteLoop(Machine& m, int32_t ligneDo, bool vrai, int& Ligne);

}  // namespace korvane
