// Procedures not built yet: each refuses to run rather than pretend to.
#include "interpreter/EchecExecution.h"
#include "interpreter/Interpreteur.h"

namespace korvane {

namespace {
[[noreturn]] void NonDisponible(const char* nom) { throw EchecExecution(std::string("Instruction non disponible : ") + nom); }
}  // namespace

void Interpreteur::InstrOpen(std::string&) { NonDisponible("OPEN"); }
void Interpreteur::InstrCloseCanal(std::string&) { NonDisponible("CLOSE#"); }
void Interpreteur::InstrPrintCanal(std::string&) { NonDisponible("PRINT#"); }
void Interpreteur::InstrLineInputCanal(std::string&) { NonDisponible("LINE INPUT#"); }
void Interpreteur::InstrLPrint(std::string&) { NonDisponible("LPRINT"); }
void Interpreteur::InstrMsgBox(std::string&) { NonDisponible("MSGBOX"); }
void Interpreteur::InstrKill(std::string&) { NonDisponible("KILL"); }
void Interpreteur::InstrMkDir(std::string&) { NonDisponible("MKDIR"); }
void Interpreteur::InstrRmDir(std::string&) { NonDisponible("RMDIR"); }
void Interpreteur::InstrChDir(std::string&) { NonDisponible("CHDIR"); }
bool Interpreteur::FinDeFichier(int) { NonDisponible("EOF"); }

}  // namespace korvane
