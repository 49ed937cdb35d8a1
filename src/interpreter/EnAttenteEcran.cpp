// Procedures not built yet: each refuses to run rather than pretend to.
#include "interpreter/EchecExecution.h"
#include "interpreter/Interpreteur.h"

namespace korvane {

namespace {
[[noreturn]] void NonDisponible(const char* nom) { throw EchecExecution(std::string("Instruction non disponible : ") + nom); }
}  // namespace

void Interpreteur::InstrCls() { NonDisponible("CLS"); }
void Interpreteur::InstrPrint(std::string&) { NonDisponible("PRINT"); }
void Interpreteur::InstrLocate(std::string&) { NonDisponible("LOCATE"); }
void Interpreteur::InstrColor(std::string&) { NonDisponible("COLOR"); }
void Interpreteur::InstrLine(std::string&) { NonDisponible("LINE"); }
void Interpreteur::InstrInput(std::string&) { NonDisponible("INPUT"); }

}  // namespace korvane
