#include "machine/Symboles.h"

#include <limits>

#include "base/Nombres.h"
#include "base/Texte.h"

namespace korvane {

namespace {
int32_t MoinsUn(int32_t n) { return static_cast<int32_t>(static_cast<int64_t>(n) - 1); }
}  // namespace

const Symbole* ChercheEtiq(const Machine& m, std::string_view nom) { return m.Symboles.Cherche(Majuscules(nom)); }

std::optional<Valeur> LitValeur(Machine& m, int64_t cellule, Genre genre) {
  if (!m.Valeurs.CelluleValide(cellule, genre)) {
    m.Erreur("Erreur dans indice");
    return std::nullopt;
  }
  Valeur v;
  const auto c = static_cast<int32_t>(cellule);
  switch (genre) {
    case Genre::Entier: v.Entier = m.Valeurs.Entier(c); break;
    case Genre::Reel: v.Reel = m.Valeurs.Reel(c); break;
    case Genre::Chaine: v.Chaine = m.Valeurs.Chaine(c); break;
    case Genre::Aucun:
    case Genre::Etiquette:
    case Genre::Sub: break;
  }
  return v;
}

bool EcritValeur(Machine& m, const std::string& texte, Genre genre, int32_t cellule) {
  if (!EstVariable(genre)) return true;
  if (!m.Valeurs.CelluleValide(cellule, genre)) return Echoue(m, "Erreur dans indice");
  switch (genre) {
    case Genre::Chaine:
      m.Valeurs.Chaine(cellule) = texte;
      return true;
    case Genre::Entier:
      if (const auto valeur = TexteVersEntier(texte)) return EcritEntier(m, *valeur, cellule);
      break;
    case Genre::Reel:
      if (const auto valeur = TexteVersReel(texte, m.SeparateurDecimal)) {
        m.Valeurs.Reel(cellule) = *valeur;
        return true;
      }
      break;
    case Genre::Aucun:
    case Genre::Etiquette:
    case Genre::Sub:
      return true;
  }
  return Echoue(m, "Erreur de conversion");
}

bool EcritEntier(Machine& m, int64_t valeur, int32_t cellule) {
  if (!m.Valeurs.CelluleValide(cellule, Genre::Entier)) return Echoue(m, "Erreur dans indice");
  if (valeur < std::numeric_limits<int32_t>::min() || valeur > std::numeric_limits<int32_t>::max())
    return Echoue(m, "Erreur de conversion");
  m.Valeurs.Entier(cellule) = static_cast<int32_t>(valeur);
  return true;
}

std::optional<int32_t> Indice(Machine& m, const std::string& texte) {
  const std::string nom = Majuscules(texte);
  const Symbole* s = m.Symboles.Cherche(nom);
  if (!s) {
    const auto n = TexteVersEntier(nom);
    if (!n) {
      m.Erreur("Erreur dans indice");
      return std::nullopt;
    }
    return MoinsUn(*n);
  }
  if (s->Genre != Genre::Entier) {
    m.Erreur("Indice de type incorrect");
    return std::nullopt;
  }
  const auto v = LitValeur(m, s->Adresse, Genre::Entier);
  if (!v) return std::nullopt;
  return MoinsUn(v->Entier);
}

bool PileSaturee(Machine& m) { return Echoue(m, "Pile saturée"); }
bool PileVide(Machine& m) { return Echoue(m, "Pile vide"); }

}  // namespace korvane
