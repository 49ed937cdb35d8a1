#pragma once
// A record of the symbol table, as the interpreter and the debugging dialogs see it.

#include <cstdint>
#include <string>

namespace korvane {

// The kind letters of the records; Aucun for a DIM whose type is not known.
enum class Genre : char {
  Aucun = 0,
  Entier = 'I',
  Reel = 'R',
  Chaine = 'S',
  Etiquette = 'L',
  Sub = 'P',
};

// Variables have a value store; labels and SUBs hold a line.
[[nodiscard]] constexpr bool EstVariable(Genre genre) {
  return genre == Genre::Entier || genre == Genre::Reel || genre == Genre::Chaine;
}

struct Symbole {
  std::string Nom;  // upper case; labels keep their ':', arrays their '('
  korvane::Genre Genre = korvane::Genre::Aucun;
  int32_t Adresse = 0;  // first cell of its store, or line index
};

}  // namespace korvane
