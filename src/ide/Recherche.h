#pragma once
// The search of the editor's find and replace dialogs over the text as Windows-1252 bytes.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

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

}  // namespace korvane
