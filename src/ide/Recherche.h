#pragma once
// The search of the editor's find and replace dialogs over the text as Windows-1252 bytes.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace korvane {

struct OptionsRecherche {
  bool Bas = true;  // direction down
  bool MotEntier = false;
  bool RespecterCasse = false;
  friend bool operator==(const OptionsRecherche&, const OptionsRecherche&) = default;
};

// Upper case of every Windows-1252 character as the platform gives it: a-z, the accented
// small letters and š œ ž ÿ become capitals; ß, µ and the other bytes stay.
std::array<unsigned char, 256> TableMajuscules();

// Every character except the digits 0-9 and the letters A-Z and a-z.
bool EstDelimiteur(char c);

// Equal texts once both are upper-cased with TableMajuscules.
bool MemeTexteSansCasse(std::string_view a, std::string_view b);

// Offset of the first match of `texte` from the selection, in the options' direction, or
// nothing. An empty text matches nowhere.
std::optional<std::size_t> ChercheDansTampon(std::string_view tampon, std::size_t debutSelection,
                                             std::size_t longueurSelection, std::string_view texte,
                                             const OptionsRecherche& options);

// What a "Remplacer" or a "Remplacer tout" does to a text: each replacement puts the
// replacing text in place of one match.
struct Remplacements {
  // Where each replacement starts, in the text as the ones before it left it.
  std::vector<std::size_t> Positions;
  // The match selected at the end. Without one, the caret stands after the last replacement,
  // or where it stood when nothing was replaced.
  std::optional<std::size_t> Selection;
};

// Replaces the selection when it is `texte` (whatever the case option says), then finds the
// next match; with `tout`, replaces that one too and goes on until none is left, or, going
// up, until a match lies inside the text just put in.
Remplacements CalculeRemplacements(std::string_view tampon, std::size_t debutSelection,
                                   std::size_t longueurSelection, std::string_view texte,
                                   std::string_view remplacement, const OptionsRecherche& options, bool tout);

}  // namespace korvane
