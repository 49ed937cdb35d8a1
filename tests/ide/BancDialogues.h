#pragma once
// An interpreter on recording fakes, with the tables a run leaves for the dialogs.

#include <gtest/gtest.h>

#include <QString>
#include <ostream>
#include <string>
#include <vector>

#include "interpreter/Interpreteur.h"
#include "support/Banc.h"

// Failures show texts rather than UTF-16 code units.
inline void PrintTo(const QString& texte, std::ostream* flux) { *flux << '"' << texte.toStdString() << '"'; }

namespace korvane::test {

class BancDialogues : public ::testing::Test, protected FauxMonde {
 protected:
  // Runs the lines (Windows-1252) from the start, outside step mode.
  void Lance(std::vector<std::string> lignes) {
    Texte.Lignes = std::move(lignes);
    int debut = 0, resultat = 0;
    It.Exec(Texte, debut, resultat, 0);
  }

  Interpreteur It{Monde()};
  FauxProgramme Texte;
};

}  // namespace korvane::test
