// The operand readers: one operand's text becomes its value's text.
#include "eval/Nombres.h"
#include "eval/Texte.h"
#include "interpreter/Interpreteur.h"

namespace korvane {

namespace {
bool EstDebutNombre(char c) { return std::string_view(".0123456789+-").find(c) != std::string_view::npos; }
bool EstCaractereNombre(char c) { return std::string_view(".-+1234567890").find(c) != std::string_view::npos; }
}  // namespace

// Splits NAME(subscript) into the symbol name "NAME(" and the subscript's offset; a name
// without "(" has offset 0. The subscript text is left in `indice`.
bool Interpreteur::LitNomIndice(const std::string& texte, std::string& nom, std::string& indice, int32_t& decalage) {
  decalage = 0;
  const std::size_t ouvrante = texte.find('(');
  if (ouvrante == std::string::npos) {
    nom = texte;
    return true;
  }
  nom = texte.substr(0, ouvrante + 1);
  const std::string apres = Copie(texte, ouvrante + 2, 255);
  const std::size_t fermante = apres.find(')');
  if (fermante == std::string::npos) {
    Erreur("Erreur de syntaxe");
    return false;
  }
  indice = apres.substr(0, fermante);
  decalage = Indice(indice);
  return Etat == kContinue;
}

bool Interpreteur::LitCelluleDecalee(int32_t adresse, int32_t decalage, char genre, double& reel, int32_t& entier,
                                     std::string& texte) {
  const int64_t cellule = static_cast<int64_t>(adresse) + decalage;
  if (cellule < INT32_MIN || cellule > INT32_MAX) {
    Erreur("Erreur dans indice");
    return false;
  }
  LitValeur(static_cast<int32_t>(cellule), genre, reel, entier, texte);
  return Etat == kContinue;
}

void Interpreteur::LitOperande(std::string& texte) {
  if (!texte.empty() && texte[0] == '"') {
    texte.erase(0, 1);
    if (const std::size_t paire = texte.find("\"\""); paire != std::string::npos) texte.erase(paire, 1);
    if (texte.empty() || texte.back() != '"') return Erreur("chaine sans fin");
    texte.pop_back();
    return;
  }
  if (!texte.empty() && EstDebutNombre(texte[0])) {
    for (char c : texte)
      if (!EstCaractereNombre(c)) return Erreur("Expression incorrecte");
    return;
  }

  std::string nom, indice;
  int32_t decalage = 0;
  if (!LitNomIndice(texte, nom, indice, decalage)) return;
  if (texte.find('(') != std::string::npos) texte = indice;
  char genre = 0;
  int32_t adresse = 0;
  ChercheEtiq(nom, genre, adresse);
  if (adresse < 0) return Erreur("Identificateur " + nom + " inconnu");
  if (genre != 'I' && genre != 'R' && genre != 'S') return;  // labels and SUBs read as their own text

  double reel = 0;
  int32_t entier = 0;
  std::string chaine;
  if (!LitCelluleDecalee(adresse, decalage, genre, reel, entier, chaine)) return;
  switch (genre) {
    case 'I': texte = EntierVersTexte(entier); break;
    case 'R': texte = FormatReel(reel, SeparateurDecimal); break;
    default: texte = std::move(chaine); break;
  }
}

void Interpreteur::LitChaine(std::string& texte) {
  if (!texte.empty() && texte[0] == '"') {
    texte.erase(0, 1);
    if (texte.empty() || texte.back() != '"') return Erreur("chaine sans fin");
    texte.pop_back();
    return;
  }
  std::string nom, indice;
  int32_t decalage = 0;
  if (!LitNomIndice(texte, nom, indice, decalage)) return;
  const std::string nomEcrit = nom.ends_with('(') ? nom.substr(0, nom.size() - 1) : nom;
  char genre = 0;
  int32_t adresse = 0;
  ChercheEtiq(nom, genre, adresse);
  if (adresse < 0) return Erreur("Variable " + nomEcrit + " n'existe pas");
  // The cell is read first, so a bad cell of any kind reports its subscript error.
  double reel = 0;
  int32_t entier = 0;
  std::string chaine;
  if (!LitCelluleDecalee(adresse, decalage, genre, reel, entier, chaine)) return;
  if (genre != 'S') return Erreur("ce n'est pas un string");
  texte = std::move(chaine);
}

}  // namespace korvane
