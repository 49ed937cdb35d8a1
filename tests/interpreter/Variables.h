#pragma once
// Direct access to a declared variable's cell, for tests that set or check values
// without running assignments.

#include <gtest/gtest.h>

#include <string>

#include "interpreter/Interpreteur.h"

namespace korvane::test {

inline int32_t AdresseDe(const Interpreteur& it, const std::string& nom) {
  const int i = it.ChercheSymbole(nom);
  EXPECT_NE(i, 0) << nom << " is not declared";
  return i == 0 ? 0 : it.TableSymboles[i].Adresse;
}

inline int32_t& EntierDe(Interpreteur& it, const std::string& nom) { return it.Entiers.at(AdresseDe(it, nom)); }

inline std::string& ChaineDe(Interpreteur& it, const std::string& nom) { return it.Chaines.at(AdresseDe(it, nom)); }

inline std::vector<int32_t> ContenuPile(const Interpreteur& it) {
  return std::vector<int32_t>(it.Pile.begin() + 1, it.Pile.begin() + 1 + it.SommetPile);
}

}  // namespace korvane::test
