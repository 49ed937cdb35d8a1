// Symbol table, value stores and return stack.
#include <algorithm>
#include <new>

#include "eval/Nombres.h"
#include "eval/Texte.h"
#include "interpreter/Interpreteur.h"

namespace korvane {

namespace {
// Bounds the string store so that a huge DIM is refused instead of exhausting memory.
constexpr std::size_t kMaxChaines = 4'000'000;

bool EstLettre(char c) { return c >= 'A' && c <= 'Z'; }
}  // namespace

void Interpreteur::RazTables() {
  NbSymboles = 0;
  NbEntiers = 0;
  NbReels = 0;
  SommetPile = 0;
  Palette = {{{0, 0, 0}, {0, 0, 128}, {0, 128, 0}, {0, 0, 255},
              {255, 0, 0}, {128, 0, 128}, {128, 0, 0}, {192, 192, 192},
              {128, 128, 0}, {0, 255, 0}, {0, 255, 255}, {0, 128, 128},
              {255, 0, 255}, {128, 0, 128}, {255, 255, 0}, {255, 255, 255}}};
  Chaines = std::vector<std::string>{" "};
  for (int c = 1; c <= 3; ++c) Canaux[c].Delie();
}

int Interpreteur::ChercheSymbole(const std::string& nom) const {
  for (int i = 1; i <= NbSymboles; ++i)
    if (TableSymboles[i].Nom == nom) return i;
  return 0;
}

void Interpreteur::ChercheEtiq(std::string& nom, char& genre, int32_t& adresse) {
  nom = Majuscules(nom);
  const int i = ChercheSymbole(nom);
  if (i == 0) {
    adresse = -1;
    Etat = kArret;
    return;
  }
  genre = TableSymboles[i].Genre;
  adresse = TableSymboles[i].Adresse;
  Etat = kContinue;
}

bool Interpreteur::CelluleValide(int32_t adresse, char genre) const {
  switch (genre) {
    case 'I':
    case 'R':
      return adresse >= 1 && adresse <= kMaxCellules;
    case 'S':
      return adresse >= 0 && static_cast<std::size_t>(adresse) < Chaines.size();
    default:
      return true;
  }
}

void Interpreteur::LitValeur(int32_t adresse, char genre, double& reel, int32_t& entier, std::string& texte) {
  if (!CelluleValide(adresse, genre)) {
    Erreur("Erreur dans indice");
    return;
  }
  switch (genre) {
    case 'I': entier = Entiers[adresse]; break;
    case 'R': reel = Reels[adresse]; break;
    case 'S': texte = Chaines[adresse]; break;
    default: break;
  }
}

void Interpreteur::EcritValeur(const std::string& texte, char genre, int32_t adresse) {
  if (genre != 'I' && genre != 'R' && genre != 'S') return;
  if (!CelluleValide(adresse, genre)) {
    Erreur("Erreur dans indice");
    return;
  }
  if (genre == 'S') {
    Chaines[adresse] = texte;
    return;
  }
  if (genre == 'I') {
    if (const auto valeur = TexteVersEntier(texte)) {
      Entiers[adresse] = *valeur;
      return;
    }
  } else if (const auto valeur = TexteVersReel(texte, SeparateurDecimal)) {
    Reels[adresse] = *valeur;
    return;
  }
  Erreur("Erreur de conversion");
}

int32_t Interpreteur::Indice(std::string texte) {
  char genre = 0;
  int32_t adresse = 0;
  ChercheEtiq(texte, genre, adresse);
  if (adresse < 0) {
    Etat = kContinue;
    const auto n = TexteVersEntier(texte);
    if (!n) {
      Erreur("Erreur dans indice");
      return 0;
    }
    return static_cast<int32_t>(static_cast<int64_t>(*n) - 1);
  }
  if (genre != 'I') {
    Erreur("Indice de type incorrect");
    return 0;
  }
  double reel = 0;
  int32_t entier = 0;
  std::string chaine;
  LitValeur(adresse, genre, reel, entier, chaine);
  return static_cast<int32_t>(static_cast<int64_t>(entier) - 1);
}

bool Interpreteur::TexteValide(const std::string& texte, char genre) {
  const auto contientUnDe = [&](std::string_view jeu) { return texte.find_first_of(jeu) != std::string::npos; };
  // Any text, the empty one included, is a valid STRING answer.
  if (genre == 'S') return true;
  if (texte.empty()) return false;
  switch (genre) {
    case 'I': return contientUnDe("-+0123456789");
    case 'R': return contientUnDe(",-+0123456789");
    default: return false;
  }
}

void Interpreteur::Empile(int32_t valeur) {
  if (SommetPile >= kMaxPile) {
    Erreur("Pile saturée");
    return;
  }
  Pile[++SommetPile] = valeur;
}

void Interpreteur::Depile(int32_t& valeur) {
  if (SommetPile <= 0) {
    Erreur("Pile vide");
    return;
  }
  valeur = Pile[SommetPile--];
}

void Interpreteur::DeclareEtiq(const std::string& nom, char genre, int ligne) {
  if (nom.size() > 20) return Erreur("Nom trop long (20 maxi)");
  if (nom.empty() || !EstLettre(nom[0])) return Erreur("Caractère non valide (A-Z,a-z)");
  if (ChercheSymbole(nom) != 0) return Erreur("Identificateur dupliqué");
  if (NbSymboles >= kMaxSymboles) return Erreur("Trop de variables");
  TableSymboles[++NbSymboles] = Symbole{nom, genre, ligne};
}

void Interpreteur::DeclareDim(const std::string& texte) {
  const std::size_t as = texte.find("AS");
  if (as == std::string::npos) return Erreur("Erreur de syntaxe (manque AS)");
  const std::string motType = Trim(texte.substr(as + 2, 10));
  std::string noms = Trim(texte.substr(0, as));

  char genre = 0;
  if (motType.starts_with("STRING")) genre = 'S';
  if (motType.starts_with("REAL")) genre = 'R';
  if (motType.starts_with("INTEGER")) genre = 'I';

  // Each item is declared even after an earlier one failed.
  while (noms.find(',') != std::string::npos) {
    noms = Trim(noms);
    const std::size_t virgule = noms.find(',');
    DeclareVar(Trim(noms.substr(0, virgule)), genre);
    noms = noms.substr(virgule + 1);
  }
  DeclareVar(Trim(noms), genre);
}

void Interpreteur::DeclareVar(std::string item, char genre) {
  if (item.size() > 20) return Erreur("Nom trop long (20 maxi)");
  if (item.empty() || !EstLettre(item[0])) return Erreur("Caractère non valide (A-Z,a-z)");
  item = Trim(item);
  int32_t taille = 1;
  if (const std::size_t ouvrante = item.find('('); ouvrante != std::string::npos) {
    const std::size_t fermante = item.find(')', ouvrante + 1);
    if (fermante == std::string::npos) return Erreur("Erreur de syntaxe");
    const auto lue = TexteVersEntier(item.substr(ouvrante + 1, fermante - ouvrante - 1));
    if (!lue || *lue < 0) return Erreur("Erreur de syntaxe");
    taille = *lue;
    item.resize(ouvrante + 1);
  }
  if (ChercheSymbole(item) != 0) return Erreur("Symbole déjà défini");
  if (NbSymboles >= kMaxSymboles) return Erreur("Table des symboles saturée");
  int32_t adresse = 0;
  if (!Alloue(genre, taille, adresse)) return;
  TableSymboles[++NbSymboles] = Symbole{item, genre, adresse};
}

bool Interpreteur::Alloue(char genre, int32_t taille, int32_t& adresse) {
  if (genre == 'I' || genre == 'R') {
    int& enUsage = genre == 'I' ? NbEntiers : NbReels;
    if (enUsage + static_cast<int64_t>(taille) > kMaxCellules) {
      Erreur("Trop de variables");
      return false;
    }
    adresse = enUsage + 1;
    if (adresse <= kMaxCellules) {
      if (genre == 'I') Entiers[adresse] = 0;
      else Reels[adresse] = 0;
    }
    enUsage += taille;
  } else if (genre == 'S') {
    if (Chaines.size() + static_cast<std::size_t>(taille) > kMaxChaines) {
      Erreur("Trop de variables");
      return false;
    }
    try {
      adresse = static_cast<int32_t>(Chaines.size());
      Chaines.resize(Chaines.size() + static_cast<std::size_t>(taille), " ");
    } catch (const std::bad_alloc&) {
      Erreur("Trop de variables");
      return false;
    }
  }
  return true;
}

}  // namespace korvane
