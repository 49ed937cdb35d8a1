#include "eval/Operandes.h"

#include "base/Nombres.h"
#include "base/Texte.h"
#include "eval/Resolution.h"
#include "machine/Symboles.h"

namespace korvane {

namespace {

// NAME or NAME(subscript): the record (null when not declared) and the subscript's offset.
struct Reference {
  NomIndice Nom;
  int32_t Decalage = 0;
  const Symbole* Declare = nullptr;
};

// The subscript is read before the name is looked up, so its failure is reported first.
std::optional<Reference> LitReference(Machine& m, const std::string& texte) {
  Reference r{CoupeNomIndice(texte)};
  if (r.Nom.Element()) {
    const auto indice = r.Nom.Indice();
    if (!indice) {
      m.Erreur("Erreur de syntaxe");
      return std::nullopt;
    }
    const auto decalage = Indice(m, *indice);
    if (!decalage) return std::nullopt;
    r.Decalage = *decalage;
  }
  r.Declare = ChercheEtiq(m, r.Nom.Nom);
  return r;
}

std::optional<Valeur> LitCellule(Machine& m, const Reference& r) {
  return LitValeur(m, int64_t{r.Declare->Adresse} + r.Decalage, r.Declare->Genre);
}

}  // namespace

bool LitOperande(Machine& m, std::string& texte) {
  const Lecture lecture = ResoudOperande(m, texte);
  if (lecture.Resultat) {
    TamponTexte tampon;
    texte = TexteResolu(m, *lecture.Resultat, tampon);
    return true;
  }
  if (lecture.Echec == EchecLecture::ChaineSansFin) return Echoue(m, "chaine sans fin");
  if (lecture.Echec != EchecLecture::Aucun) return Echoue(m, "Expression incorrecte");

  const auto reference = LitReference(m, texte);
  if (!reference) return false;
  if (reference->Nom.Element()) texte = *reference->Nom.Indice();
  if (!reference->Declare) return Echoue(m, Message("Identificateur ") + Majuscules(reference->Nom.Nom) + " inconnu");
  const Genre genre = reference->Declare->Genre;
  if (!EstVariable(genre)) return true;  // labels and SUBs read as their own text
  const auto valeur = LitCellule(m, *reference);
  if (!valeur) return false;
  switch (genre) {
    case Genre::Entier: texte = EntierVersTexte(valeur->Entier); break;
    case Genre::Reel: texte = FormatReel(valeur->Reel, m.SeparateurDecimal); break;
    default: texte = valeur->Chaine; break;
  }
  return true;
}

bool LitChaine(Machine& m, std::string& texte) {
  if (texte.starts_with('"')) {
    auto valeur = SansGuillemets(std::move(texte), false);
    if (!valeur) return Echoue(m, "chaine sans fin");
    texte = std::move(*valeur);
    return true;
  }
  const auto reference = LitReference(m, texte);
  if (!reference) return false;
  if (!reference->Declare) {
    std::string nomEcrit = reference->Nom.Nom;
    if (reference->Nom.Element()) nomEcrit.pop_back();
    return Echoue(m, Message("Variable ") + nomEcrit + " n'existe pas");
  }
  // The cell is read first, so a bad cell of any kind reports its subscript error.
  const auto valeur = LitCellule(m, *reference);
  if (!valeur) return false;
  if (reference->Declare->Genre != Genre::Chaine) return Echoue(m, "ce n'est pas un string");
  texte = valeur->Chaine;
  return true;
}

}  // namespace korvane
