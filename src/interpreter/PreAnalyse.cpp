#include "interpreter/PreAnalyse.h"

#include "base/Nombres.h"
#include "base/Texte.h"
#include "interpreter/Dispatcheur.h"

namespace korvane {

namespace {

bool EstLettre(char c) { return c >= 'A' && c <= 'Z'; }

// What precedes the first "'", then what precedes the first "REM", wherever they stand.
std::string CoupeCommentaire(std::string u) {
  if (const std::size_t p = u.find('\''); p != std::string::npos) u.resize(p);
  if (const std::size_t p = u.find("REM"); p != std::string::npos) u.resize(p);
  return u;
}

bool DeclareEtiq(Machine& m, const std::string& nom, Genre genre, int ligne) {
  if (nom.size() > 20) return Echoue(m, "Nom trop long (20 maxi)");
  if (nom.empty() || !EstLettre(nom[0])) return Echoue(m, "Caractère non valide (A-Z,a-z)");
  switch (m.Symboles.Verifie(nom)) {
    case TableSymboles::Refus::Existe: return Echoue(m, "Identificateur dupliqué");
    case TableSymboles::Refus::Pleine: return Echoue(m, "Trop de variables");
    case TableSymboles::Refus::Aucun: break;
  }
  return m.Symboles.Ajoute(Symbole{nom, genre, ligne});
}

bool DeclareVar(Machine& m, std::string item, Genre genre) {
  if (item.size() > 20) return Echoue(m, "Nom trop long (20 maxi)");
  if (item.empty() || !EstLettre(item[0])) return Echoue(m, "Caractère non valide (A-Z,a-z)");
  item = Trim(item);
  int32_t taille = 1;
  if (const std::size_t ouvrante = item.find('('); ouvrante != std::string::npos) {
    const std::size_t fermante = item.find(')', ouvrante + 1);
    if (fermante == std::string::npos) return Echoue(m, "Erreur de syntaxe");
    const auto lue = TexteVersEntier(item.substr(ouvrante + 1, fermante - ouvrante - 1));
    if (!lue || *lue < 0) return Echoue(m, "Erreur de syntaxe");
    taille = *lue;
    item.resize(ouvrante + 1);
  }
  switch (m.Symboles.Verifie(item)) {
    case TableSymboles::Refus::Existe: return Echoue(m, "Symbole déjà défini");
    case TableSymboles::Refus::Pleine: return Echoue(m, "Table des symboles saturée");
    case TableSymboles::Refus::Aucun: break;
  }
  const auto adresse = m.Valeurs.Alloue(genre, taille);
  if (!adresse) return Echoue(m, "Trop de variables");
  return m.Symboles.Ajoute(Symbole{item, genre, *adresse});
}

bool DeclareDim(Machine& m, const std::string& texte) {
  const std::size_t as = texte.find("AS");
  if (as == std::string::npos) return Echoue(m, "Erreur de syntaxe (manque AS)");
  const std::string motType = Trim(texte.substr(as + 2, 10));
  std::string noms = Trim(texte.substr(0, as));

  Genre genre = Genre::Aucun;
  if (motType.starts_with("STRING")) genre = Genre::Chaine;
  if (motType.starts_with("REAL")) genre = Genre::Reel;
  if (motType.starts_with("INTEGER")) genre = Genre::Entier;

  // Each item is declared even after an earlier one failed.
  bool declares = true;
  while (noms.find(',') != std::string::npos) {
    noms = Trim(noms);
    const std::size_t virgule = noms.find(',');
    declares = DeclareVar(m, Trim(noms.substr(0, virgule)), genre) && declares;
    noms = noms.substr(virgule + 1);
  }
  return DeclareVar(m, Trim(noms), genre) && declares;
}

// A line may declare more than once ("SUB X:"); every declaration is tried.
bool DeclareLigne(Machine& m, const std::string& u, int ligne) {
  bool declares = true;
  if (EstLigneEtiquette(u)) declares = DeclareEtiq(m, u, Genre::Etiquette, ligne) && declares;
  if (u.starts_with("SUB")) declares = DeclareEtiq(m, Trim(Copie(u, 4, 255)), Genre::Sub, ligne) && declares;
  if (u.starts_with("DIM")) declares = DeclareDim(m, Trim(Copie(u, 4, 255))) && declares;
  return declares;
}

}  // namespace

void RazTables(Machine& m) {
  m.Symboles.Raz();
  m.Valeurs.Raz();
  m.Pile.Raz();
  m.Ecran.RemplitPalette();
  m.Fichiers.DelieTout();
}

std::optional<int> PreAnalyse(Machine& m, const Programme& programme) {
  RazTables(m);
  const int nbLignes = programme.NbLignes();
  for (int i = 0; i < nbLignes; ++i) {
    std::string ligne = programme.Ligne(i);
    RemplaceTab(ligne);
    if (!DeclareLigne(m, CoupeCommentaire(Majuscules(Trim(ligne))), i)) return i;
  }
  return std::nullopt;
}

}  // namespace korvane
