#include "eval/Affectation.h"

#include <limits>

#include "eval/Evaluateur.h"
#include "eval/Resolution.h"
#include "machine/Symboles.h"

namespace korvane {

namespace {

bool Evalue(Machine& m, std::string& valeur, Genre genre) {
  switch (genre) {
    case Genre::Entier: return EvalEntier(m, valeur);
    case Genre::Reel: return EvalReel(m, valeur);
    case Genre::Chaine: return EvalChaine(m, valeur);
    case Genre::Aucun:
    case Genre::Etiquette:
    case Genre::Sub:
      return false;  // labels and SUBs take no value
  }
  return false;
}

}  // namespace

void Affectation(Machine& m, const std::string& ligne) {
  auto affectation = CoupeAffectation(ligne);
  if (!affectation) return m.Erreur("Identificateur inconnu");
  const NomIndice& cible = affectation->Cible;

  int32_t decalage = 0;
  if (cible.Element()) {
    const auto indice = cible.Indice();
    if (!indice) return m.Erreur("Erreur de syntaxe");
    const auto lu = Indice(m, *indice);
    if (!lu) return;
    decalage = *lu;
  }
  const Symbole* s = ChercheEtiq(m, cible.Nom);
  if (!s) return m.Erreur("Identificateur inconnu");
  const int64_t cellule = int64_t{s->Adresse} + decalage;
  if (cellule < std::numeric_limits<int32_t>::min() || cellule > std::numeric_limits<int32_t>::max())
    return m.Erreur("Indice incorrect");

  if (!Evalue(m, affectation->Valeur, s->Genre)) return;
  // A failed store has reported itself and stopped the run; the statement ends here anyway.
  static_cast<void>(EcritValeur(m, affectation->Valeur, s->Genre, static_cast<int32_t>(cellule)));
}

}  // namespace korvane
