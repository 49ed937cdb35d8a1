#pragma once
// The one reader of the operand rules. An operand, a term or an assignment's target is
// resolved against the symbol table into a constant or a variable's cell; the text path
// evaluates what it resolved at once, compiled lines keep it for the whole run (no
// statement changes the symbol table during a run). What only its evaluation can tell (a
// function, an array element, an undeclared name) is left to the reader's general path.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "machine/Symbole.h"

namespace korvane {

struct Machine;

// NAME(subscript) as written.
struct NomIndice {
  std::string Nom;    // up to and with the "("; the whole text when there is none
  std::string Apres;  // what follows the "(", at most 255 characters
  [[nodiscard]] bool Element() const { return Nom.ends_with('('); }
  // The text before the first ")" of Apres; nothing when there is none.
  [[nodiscard]] std::optional<std::string> Indice() const;
};
NomIndice CoupeNomIndice(const std::string& texte);

// NAME[(subscript)] = value.
struct LigneAffectation {
  NomIndice Cible;    // upper-cased and trimmed
  std::string Valeur;  // trimmed, at most 255 characters
};
// Nothing when the line holds no "=".
[[nodiscard]] std::optional<LigneAffectation> CoupeAffectation(const std::string& ligne);

// "text" without its quotes; with `reduitPaire` the first doubled quote counts once.
// Nothing when the closing quote is missing.
[[nodiscard]] std::optional<std::string> SansGuillemets(std::string texte, bool reduitPaire);

// A constant or the cell of a variable without subscript. A compiled line also keeps array
// elements here (`Element`), which only it reads: Cellule is then the array's first cell.
struct Resolu {
  enum class Sorte : uint8_t { Constante, Entier, Reel, Chaine };
  Sorte Genre = Sorte::Constante;
  bool Element = false;
  int32_t Cellule = 0;
  int32_t Entier = 0;  // a constant's value, for the terms of its kind; an element's fixed offset
  int32_t Indice = 0;  // an element's subscript: this INTEGER cell's value minus 1, or Entier when 0
  double Reel = 0;
  std::string Texte;   // a constant's value text
};

enum class EchecLecture : uint8_t {
  Aucun,
  ChaineSansFin,         // a string literal without its closing quote
  ExpressionIncorrecte,  // a number operand with another character
  EntierIncorrect,       // an INTEGER term the conversion rejects
  ReelIncorrect,         // a REAL term the conversion rejects
};

// Resolved, failed by the rule itself, or neither: left to the general path.
struct Lecture {
  std::optional<Resolu> Resultat;
  EchecLecture Echec = EchecLecture::Aucun;
};

// An operand of a condition, a statement or a function: a string literal (its first doubled
// quote reduced), a number as written, or a variable of any kind.
Lecture ResoudOperande(const Machine& m, std::string texte);
// A term of the evaluator of kind `genre`: empty, a number literal or a variable of that
// kind; for STRING a literal taken as it is. The term is trimmed first.
Lecture ResoudTerme(const Machine& m, std::string terme, Genre genre);

int32_t ValeurEntiere(const Machine& m, const Resolu& r);
double ValeurReelle(const Machine& m, const Resolu& r);
const std::string& ValeurChaine(const Machine& m, const Resolu& r);

// Where the value text of an operand is built when it is not stored as text.
struct TamponTexte {
  char Chiffres[16];
  std::string Reel;
};
// The value text of an operand, valid while `tampon` and the operand's cell are.
std::string_view TexteResolu(const Machine& m, const Resolu& r, TamponTexte& tampon);
// The value text of cell `cellule` of the store of a variable of kind `genre`.
std::string_view TexteCellule(const Machine& m, Resolu::Sorte genre, int32_t cellule, TamponTexte& tampon);

}  // namespace korvane
