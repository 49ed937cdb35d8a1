#include "eval/Conditions.h"

#include "base/Comparaison.h"
#include "base/EchecExecution.h"
#include "eval/Fichiers.h"
#include "eval/Operandes.h"

namespace korvane {

namespace {

bool EstChiffre(char c) { return c >= '0' && c <= '9'; }

std::optional<bool> EvalFinDeFichier(Machine& m, const std::string& condition) {
  // Only the character after the '(' is read; whatever follows it is ignored.
  const std::size_t canal = condition.find('(') + 1;
  if (canal >= condition.size() || !EstChiffre(condition[canal])) {
    m.Erreur("Erreur de syntaxe");
    return std::nullopt;
  }
  const int numero = condition[canal] - '0';
  if (!Canaux::Valide(numero)) return false;
  try {
    return !FinDeFichier(m, numero);
  } catch (const EchecExecution&) {
    m.Erreur("Erreur Entrée/sortie");
    return std::nullopt;
  }
}

}  // namespace

std::optional<bool> EvalCondition(Machine& m, const std::string& condition) {
  if (EstTestFinDeFichier(condition)) return EvalFinDeFichier(m, condition);
  auto coupee = CoupeCondition(condition);
  if (!coupee) {
    m.Erreur("Expression logique incorrecte");
    return std::nullopt;
  }
  if (!LitOperande(m, coupee->Gauche) || !LitOperande(m, coupee->Droite)) return std::nullopt;
  return Compare(coupee->Sorte, coupee->Gauche, coupee->Droite);
}

}  // namespace korvane
