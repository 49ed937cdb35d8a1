// Procedures not built yet: each refuses to run rather than pretend to.
#include "interpreter/EchecExecution.h"
#include "interpreter/Interpreteur.h"

namespace korvane {

namespace {
[[noreturn]] void NonDisponible(const char* nom) { throw EchecExecution(std::string("Instruction non disponible : ") + nom); }
}  // namespace

void Interpreteur::EvalCondition(std::string, bool&) { NonDisponible("condition"); }
void Interpreteur::InstrGoto(const std::string&, int&) { NonDisponible("GOTO"); }
void Interpreteur::InstrGosub(const std::string&, int&) { NonDisponible("GOSUB"); }
void Interpreteur::InstrReturn(int&) { NonDisponible("RETURN"); }
void Interpreteur::InstrCall(const std::string&, int&) { NonDisponible("CALL"); }
void Interpreteur::InstrExit(const Programme&, const std::string&, int&) { NonDisponible("EXIT"); }
void Interpreteur::InstrIf(const Programme&, const std::string&, int&) { NonDisponible("IF"); }
void Interpreteur::InstrElse(const Programme&, int&) { NonDisponible("ELSE"); }
void Interpreteur::InstrFor(const std::string&, int&) { NonDisponible("FOR"); }
void Interpreteur::InstrNext(int&) { NonDisponible("NEXT"); }
void Interpreteur::InstrWhile(const Programme&, const std::string&, int&) { NonDisponible("WHILE"); }
void Interpreteur::InstrWend(int&) { NonDisponible("WEND"); }
void Interpreteur::InstrLoop(const std::string&, int&) { NonDisponible("LOOP"); }

}  // namespace korvane
