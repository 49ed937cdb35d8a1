#include "screen/InstructionsEcran.h"

#include <cstdint>
#include <limits>
#include <optional>

#include "base/Calcul.h"
#include "base/Nombres.h"
#include "base/Texte.h"
#include "eval/Fichiers.h"
#include "eval/Operandes.h"
#include "machine/Symboles.h"

namespace korvane {

namespace {

constexpr int kMargeSaisieHaut = 28;
constexpr int kMargeSaisieDroite = 10;
constexpr int64_t kPlusPetiteCouleur = 0;
constexpr int64_t kPlusGrandeCouleur = 15;

// The number as written, from what Indice gives (the number minus 1, wrapped to 32 bits:
// only the smallest integer wraps to the largest).
int64_t NombreEcrit(int32_t indice) {
  if (indice == std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::min();
  return static_cast<int64_t>(indice) + 1;
}

// "a,b" of LOCATE and COLOR: each an integer literal or an INTEGER variable.
bool LitDeuxNombres(Machine& m, const std::string& texte, int64_t& premier, int64_t& second) {
  const std::size_t virgule = texte.find(',');
  if (virgule == std::string::npos) return Echoue(m, "Erreur dans paramètres");
  const auto indicePremier = Indice(m, texte.substr(0, virgule));
  if (!indicePremier) return false;
  const auto indiceSecond = Indice(m, texte.substr(virgule + 1));
  if (!indiceSecond) return false;
  premier = NombreEcrit(*indicePremier);
  second = NombreEcrit(*indiceSecond);
  return true;
}

// Opens the input box at the text cursor, just below it on the screen.
bool DemandeSaisie(Machine& m, std::string& saisie) {
  const Geometrie fenetre = m.Monde.Ecran.Fenetre();
  const EtatEcran& e = m.Ecran;
  const int gauche = Borne(static_cast<int64_t>(fenetre.Gauche) + e.CurseurX);
  const int haut = Borne(static_cast<int64_t>(fenetre.Haut) + e.CurseurY + kMargeSaisieHaut);
  const int largeur = Borne(static_cast<int64_t>(fenetre.LargeurExterne) - e.CurseurX - kMargeSaisieDroite);
  return m.Monde.Saisie.Saisit(gauche, haut, largeur, saisie);
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

// CLS: a white rectangle with a black outline over the whole window.
void InstrCls(Machine& m, Instruction&) {
  const Geometrie fenetre = m.Monde.Ecran.Fenetre();
  m.Monde.Ecran.Rectangle(0, 0, fenetre.LargeurExterne, fenetre.HauteurExterne);
}

// PRINT [operand[;]]: draws at the text cursor, then a new line unless ';' ends it.
void InstrPrint(Machine& m, Instruction& i) {
  std::string& texte = i.Argument;
  if (texte.empty()) {
    m.Ecran.NouvelleLigne();
    m.Monde.Ecran.FinDeLigne();
    return;
  }
  const bool resteSurLaLigne = texte.back() == ';';
  if (resteSurLaLigne) texte.pop_back();
  if (texte.empty()) return;

  if (!LitOperande(m, texte)) return;
  m.Monde.Ecran.DessineTexte(m.Ecran.CurseurX, m.Ecran.CurseurY, texte);
  m.Ecran.Avance(m.Monde.Ecran.LargeurTexte(texte));
  if (resteSurLaLigne) return;
  m.Ecran.NouvelleLigne();
  m.Monde.Ecran.FinDeLigne();
}

// LOCATE row,column (from 1): moves the text cursor.
void InstrLocate(Machine& m, Instruction& i) {
  int64_t rangee = 0, colonne = 0;
  if (!LitDeuxNombres(m, i.Argument, rangee, colonne)) return;
  if (rangee < 1 || colonne < 1) return m.Erreur("Valeur de paramètre incorrecte");
  m.Ecran.Place((colonne - 1) * EtatEcran::kLargeurColonne, (rangee - 1) * EtatEcran::kHauteurLigne);
}

// COLOR foreground,background (0-15): the text takes the foreground's colour.
void InstrColor(Machine& m, Instruction& i) {
  int64_t avantPlan = 0, arrierePlan = 0;
  if (!LitDeuxNombres(m, i.Argument, avantPlan, arrierePlan)) return;
  const auto horsPalette = [](int64_t n) { return n < kPlusPetiteCouleur || n > kPlusGrandeCouleur; };
  if (horsPalette(avantPlan) || horsPalette(arrierePlan)) return m.Erreur("Valeur de paramètre incorrecte");
  // The background is only checked: the window keeps its white brush.
  m.Ecran.CouleurTexte = m.Ecran.Palette(static_cast<int>(avantPlan));
  m.Monde.Ecran.ChangeCouleurTexte(m.Ecran.CouleurTexte);
}

// LINE (x1,y1)-(x2,y2)[,B]: a line without its end point, or a box. LINE INPUT# reads
// a channel.
void InstrLine(Machine& m, Instruction& i) {
  if (Copie(i.U, 6, 6) == "INPUT#") {
    i.Argument = Trim(Majuscules(Copie(i.Argument, 7, 255)));
    return InstrLineInputCanal(m, i);
  }
  const std::string& texte = i.Argument;
  const std::size_t tiret = texte.find('-');
  if (tiret == std::string::npos) return m.Erreur("Erreur de syntaxe");
  const std::string premier = Trim(texte.substr(0, tiret));
  std::string second = Trim(texte.substr(tiret + 1));
  const bool boite = RetireBoite(second);

  const auto debut = LitPoint(premier);
  const auto fin = LitPoint(second);
  if (!debut || !fin) return m.Erreur("Erreur dans l'expression");
  if (boite) m.Monde.Ecran.Rectangle(debut->X, debut->Y, fin->X, fin->Y);
  else m.Monde.Ecran.Trait(debut->X, debut->Y, fin->X, fin->Y);
}

// INPUT NAME: asks through the input box at the text cursor.
void InstrInput(Machine& m, Instruction& i) {
  const std::string nom = Majuscules(i.Argument);
  const Symbole* s = ChercheEtiq(m, nom);
  if (!s) return m.Erreur(Message("Variable ") + nom + " n'existe pas");

  std::string saisie;
  if (!DemandeSaisie(m, saisie)) {
    // A box closed by the user's interrupt stops on this line at once, so that a continue
    // asks again; otherwise, like a rejected answer, the run simply goes on.
    if (m.Monde.Touches.ArretDemande()) m.Erreur();
    return;
  }
  if (saisie.size() > kLongueurMaxChaine) return m.Erreur("Trop de variables");
  if (!TexteValide(saisie, s->Genre)) return;

  m.Monde.Ecran.DessineSaisie(m.Ecran.CurseurX, m.Ecran.CurseurY, saisie);
  m.Ecran.NouvelleLigne();
  // A failed store has reported itself and stopped the run; the statement ends here anyway.
  static_cast<void>(EcritValeur(m, saisie, s->Genre, s->Adresse));
}

constexpr MotInstruction kInstructions[] = {
    {"CLS", InstrCls},   {"PRINT", InstrPrint},   {"LINE", InstrLine},
    {"INPUT", InstrInput}, {"LOCATE", InstrLocate}, {"COLOR", InstrColor}};

}  // namespace

bool TexteValide(const std::string& texte, Genre genre) {
  const auto contientUnDe = [&](std::string_view jeu) { return texte.find_first_of(jeu) != std::string::npos; };
  // Any text, the empty one included, is a valid STRING answer.
  if (genre == Genre::Chaine) return true;
  if (texte.empty()) return false;
  switch (genre) {
    case Genre::Entier: return contientUnDe("-+0123456789");
    case Genre::Reel: return contientUnDe(",-+0123456789");
    default: return false;
  }
}

std::span<const MotInstruction> InstructionsEcran() { return kInstructions; }

}  // namespace korvane
