// The statements that draw on the run window or read through its input box.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

#include "eval/Nombres.h"
#include "eval/Texte.h"
#include "interpreter/Interpreteur.h"

namespace korvane {

namespace {

constexpr int kMargeSaisieHaut = 28;
constexpr int kMargeSaisieDroite = 10;
constexpr int64_t kPlusPetiteCouleur = 0;
constexpr int64_t kPlusGrandeCouleur = 15;

// Pixel positions saturate: a cursor pushed far beyond the window stays there, invisible,
// instead of overflowing.
int Borne(int64_t valeur) {
  return static_cast<int>(std::clamp<int64_t>(valeur, std::numeric_limits<int32_t>::min(),
                                              std::numeric_limits<int32_t>::max()));
}

// The number as written, from what Indice gives (the number minus 1, wrapped to 32 bits:
// only the smallest integer wraps to the largest).
int64_t NombreEcrit(int32_t indice) {
  if (indice == std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::min();
  return static_cast<int64_t>(indice) + 1;
}

void NouvelleLigne(Interpreteur& it) {
  it.CurseurX = 0;
  it.CurseurY = Borne(static_cast<int64_t>(it.CurseurY) + kHauteurLigne);
}

// "a,b" of LOCATE and COLOR: each an integer literal or an INTEGER variable.
bool LitDeuxNombres(Interpreteur& it, const std::string& texte, int64_t& premier, int64_t& second) {
  const std::size_t virgule = texte.find(',');
  if (virgule == std::string::npos) {
    it.Erreur("Erreur dans paramètres");
    return false;
  }
  const int32_t indicePremier = it.Indice(texte.substr(0, virgule));
  if (it.Etat > kContinue) return false;
  const int32_t indiceSecond = it.Indice(texte.substr(virgule + 1));
  if (it.Etat > kContinue) return false;
  premier = NombreEcrit(indicePremier);
  second = NombreEcrit(indiceSecond);
  return true;
}

// Opens the input box at the text cursor, just below it on the screen.
bool DemandeSaisie(Interpreteur& it, std::string& saisie) {
  const Geometrie fenetre = it.Monde.Ecran.Fenetre();
  const int gauche = Borne(static_cast<int64_t>(fenetre.Gauche) + it.CurseurX);
  const int haut = Borne(static_cast<int64_t>(fenetre.Haut) + it.CurseurY + kMargeSaisieHaut);
  const int largeur = Borne(static_cast<int64_t>(fenetre.LargeurExterne) - it.CurseurX - kMargeSaisieDroite);
  return it.Monde.Saisie.Saisit(gauche, haut, largeur, saisie);
}

// An end point of LINE; its coordinates are integer literals only.
struct Point {
  int32_t X = 0, Y = 0;
};

// "(x,y)" without checking the parentheses: the first and the last characters are dropped.
std::optional<Point> LitPoint(const std::string& texte) {
  const std::string interieur = texte.size() < 2 ? std::string() : texte.substr(1, texte.size() - 2);
  const std::size_t virgule = interieur.find(',');
  const std::string x = virgule == std::string::npos ? std::string() : interieur.substr(0, virgule);
  const std::string y = virgule == std::string::npos ? interieur : interieur.substr(virgule + 1);
  const auto px = TexteVersEntier(x);
  const auto py = TexteVersEntier(y);
  if (!px || !py) return std::nullopt;
  return Point{*px, *py};
}

// Drops a trailing ",B" (any character before the capital B); tells whether it was there.
bool RetireBoite(std::string& point) {
  if (point.empty() || point.back() != 'B') return false;
  point.resize(point.size() < 2 ? 0 : point.size() - 2);
  point = Trim(point);
  return true;
}

}  // namespace

void Interpreteur::InstrCls() {
  const Geometrie fenetre = Monde.Ecran.Fenetre();
  Monde.Ecran.Rectangle(0, 0, fenetre.LargeurExterne, fenetre.HauteurExterne);
}

void Interpreteur::InstrPrint(std::string& texte) {
  if (texte.empty()) {
    NouvelleLigne(*this);
    Monde.Ecran.FinDeLigne();
    return;
  }
  const bool resteSurLaLigne = texte.back() == ';';
  if (resteSurLaLigne) texte.pop_back();
  if (texte.empty()) return;

  LitOperande(texte);
  if (Etat > kContinue) return;
  Monde.Ecran.DessineTexte(CurseurX, CurseurY, texte);
  CurseurX = Borne(static_cast<int64_t>(CurseurX) + Monde.Ecran.LargeurTexte(texte));
  if (resteSurLaLigne) return;
  NouvelleLigne(*this);
  Monde.Ecran.FinDeLigne();
}

void Interpreteur::InstrLocate(std::string& texte) {
  int64_t rangee = 0, colonne = 0;
  if (!LitDeuxNombres(*this, texte, rangee, colonne)) return;
  if (rangee < 1 || colonne < 1) return Erreur("Valeur de paramètre incorrecte");
  CurseurX = Borne((colonne - 1) * kLargeurColonne);
  CurseurY = Borne((rangee - 1) * kHauteurLigne);
}

void Interpreteur::InstrColor(std::string& texte) {
  int64_t avantPlan = 0, arrierePlan = 0;
  if (!LitDeuxNombres(*this, texte, avantPlan, arrierePlan)) return;
  const auto horsPalette = [](int64_t n) { return n < kPlusPetiteCouleur || n > kPlusGrandeCouleur; };
  if (horsPalette(avantPlan) || horsPalette(arrierePlan)) return Erreur("Valeur de paramètre incorrecte");
  // The background is only checked: the window keeps its white brush.
  CouleurTexte = Palette[static_cast<std::size_t>(avantPlan)];
  Monde.Ecran.ChangeCouleurTexte(CouleurTexte);
}

void Interpreteur::InstrLine(std::string& texte) {
  const std::size_t tiret = texte.find('-');
  if (tiret == std::string::npos) return Erreur("Erreur de syntaxe");
  const std::string premier = Trim(texte.substr(0, tiret));
  std::string second = Trim(texte.substr(tiret + 1));
  const bool boite = RetireBoite(second);

  const auto debut = LitPoint(premier);
  const auto fin = LitPoint(second);
  if (!debut || !fin) return Erreur("Erreur dans l'expression");
  if (boite) Monde.Ecran.Rectangle(debut->X, debut->Y, fin->X, fin->Y);
  else Monde.Ecran.Trait(debut->X, debut->Y, fin->X, fin->Y);
}

void Interpreteur::InstrInput(std::string& texte) {
  std::string nom = Majuscules(texte);
  char genre = 0;
  int32_t adresse = 0;
  ChercheEtiq(nom, genre, adresse);
  if (adresse < 0) return Erreur(Cp("Variable ") + nom + Cp(" n'existe pas"));

  std::string saisie;
  // A cancelled box accepted nothing: like a rejected answer, the run simply goes on.
  if (!DemandeSaisie(*this, saisie)) return;
  if (!TexteValide(saisie, genre)) return;

  Monde.Ecran.DessineSaisie(CurseurX, CurseurY, saisie);
  NouvelleLigne(*this);
  EcritValeur(saisie, genre, adresse);
}

}  // namespace korvane
