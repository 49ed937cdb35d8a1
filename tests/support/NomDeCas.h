#pragma once
// Names of the cases of a parameterised suite, so that ctest -R can pick them: the
// case's position, unique in its suite, then its text reduced to what gtest accepts.

#include <cstddef>
#include <string>
#include <string_view>

namespace korvane::test {

// Each run of characters other than ASCII letters and digits becomes one '_'; words
// stop being added past 32 characters. The name is never all digits, which CMake
// would take for a parameter index.
inline std::string NomDeCas(std::size_t index, std::string_view texte) {
  std::string nom = std::to_string(index);
  if (nom.size() < 2) nom.insert(nom.begin(), '0');
  nom += '_';
  const std::size_t debut = nom.size();
  bool coupure = false;
  for (const char c : texte) {
    const bool garde = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    if (!garde) {
      if (nom.size() - debut >= 32) break;
      coupure = true;
      continue;
    }
    if (coupure && nom.size() > debut) nom += '_';
    coupure = false;
    nom += c;
  }
  if (nom.size() == debut) nom += texte.empty() ? "vide" : "signes";
  return nom;
}

}  // namespace korvane::test
