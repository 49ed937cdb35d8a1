#pragma once
// A built-in function: it takes the argument text of NAME(arguments) without its closing
// ")" and gives nothing after reporting an error.

#include <optional>
#include <string>
#include <string_view>

namespace korvane {

struct Machine;

template <typename Valeur>
struct Fonction {
  std::string_view Nom;
  std::optional<Valeur> (*Calcule)(Machine& m, const std::string& arguments);
};

}  // namespace korvane
