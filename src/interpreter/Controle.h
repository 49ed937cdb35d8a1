#pragma once
// Control flow: jumps, subroutines, IF blocks and loops. Partners (ENDIF, NEXT, WEND...)
// are found by reading the following lines of the text, without counting nesting; the way
// back to a caller or to the top of a loop lives on the return stack.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "machine/Instruction.h"
#include "machine/Machine.h"

namespace korvane {

class CacheLignes;

// GOTO GOSUB RETURN CALL EXIT IF ELSE FOR NEXT WHILE WEND DO LOOP
std::span<const MotInstruction> InstructionsControle();

// The partners a line can be, one bit each: NEXT, WEND, LOOP..., ENDIF or END IF, and what
// ends the block of a false IF (ELSE, ENDIF, END...IF).
inline constexpr uint8_t kNext = 1, kWend = 2, kLoop = 4, kFinSi = 8, kSinonOuFinSi = 16;
// Those of the line `u`, seen as the dispatcher sees it: marker-free, tabs as blanks,
// trimmed, upper-cased.
uint8_t PartenairesDe(const std::string& u);

// The first line from `depuis` on that can be one of the partners `cherches`, or -1. Only
// lines of the text are read, whatever `depuis` holds (it may come from a stray stack entry).
int ChercheLigne(CacheLignes& lignes, int64_t depuis, uint8_t cherches);

// The line of the label named by `argument` (GOTO, GOSUB) or of the SUB (CALL), or -1.
int32_t LigneEtiquette(const Machine& m, const std::string& argument);
int32_t LigneSub(const Machine& m, const std::string& argument);

// END SUB and RETURN: back to the line after the call.
void Retour(Machine& m, int& Ligne);

// IF's condition and what follows THEN (upper-cased); nothing without THEN.
struct SiAlors {
  std::string Condition;
  std::string Apres;
};
[[nodiscard]] std::optional<SiAlors> DecoupeIf(const std::string& argument);

// What IF, WHILE and LOOP do once their condition is known (shared with compiled lines).
void SuiteIf(Machine& m, CacheLignes& lignes, const std::string& apres, bool vrai, int& Ligne);
void SuiteWhile(Machine& m, CacheLignes& lignes, bool vrai, int& Ligne);
void SuiteLoop(Machine& m, int32_t ligneDo, bool vrai, int& Ligne);

}  // namespace korvane
