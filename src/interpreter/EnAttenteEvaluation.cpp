// Procedures not built yet: each refuses to run rather than pretend to.
#include "interpreter/EchecExecution.h"
#include "interpreter/Interpreteur.h"

namespace korvane {

namespace {
[[noreturn]] void NonDisponible(const char* nom) { throw EchecExecution(std::string("Instruction non disponible : ") + nom); }
}  // namespace

void Interpreteur::CoupeOperateur(const std::string&, std::string&, std::string&, std::string&) { NonDisponible("expression"); }
void Interpreteur::EvalEntier(std::string&) { NonDisponible("expression"); }
void Interpreteur::EvalReel(std::string&) { NonDisponible("expression"); }
void Interpreteur::EvalChaine(std::string&) { NonDisponible("expression"); }
int32_t Interpreteur::TermeEntier(std::string) { NonDisponible("expression"); }
double Interpreteur::TermeReel(std::string) { NonDisponible("expression"); }
std::string Interpreteur::TermeChaine(std::string&) { NonDisponible("expression"); }
void Interpreteur::Affectation(std::string&) { NonDisponible("affectation"); }

}  // namespace korvane
