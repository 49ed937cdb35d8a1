#pragma once
// Runs korvane-run (or any command) as a separate process and collects what it wrote.

#include <string>
#include <vector>

namespace korvane::test {

struct Commande {
  int Statut = -1;
  std::string Sortie;
  std::string Erreurs;
};

// Runs a shell command line with `entree` on its stdin.
Commande Lance(const std::string& ligneDeCommande, const std::string& entree);

// Writes `source` to a temporary .bas file and runs korvane-run with `options` on it.
Commande LanceKorvaneRun(const std::vector<std::string>& options, const std::string& source,
                         const std::string& entree = "");

// A shell word holding `texte` exactly.
std::string Citation(const std::string& texte);

}  // namespace korvane::test
