#pragma once
// The interpreter as a host sees it: the IDE's run window and korvane-run include this
// header and nothing else of the core (the build lets them see nothing else). It runs a
// program straight from its text and meets the world only through the interfaces of
// Peripheriques.h, which it brings along with the system clock every host uses.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "interpreter/Marqueurs.h"
#include "machine/Etat.h"
#include "machine/Fermeture.h"
#include "machine/HorlogeSysteme.h"
#include "machine/Peripheriques.h"
#include "machine/Symbole.h"

namespace korvane {

struct Machine;

class Interpreteur {
 public:
  explicit Interpreteur(Peripheriques peripheriques);
  ~Interpreteur();
  Interpreteur(const Interpreteur&) = delete;
  Interpreteur& operator=(const Interpreteur&) = delete;

  // ---- Running
  // The caption's file name, from the editor's file name.
  void InitPrg(const std::string& nomFichier);
  // Runs from line `debut` (0: from the start, after the pre-scan; otherwise a continue).
  // On a stop (error, breakpoint, step, the user's request) `resultat` := 1 and `debut` :=
  // the line to resume from; after END or the last line `resultat` is left as it was.
  // `pas` is read after every line: 1 stops after that line. A failure the interpreter
  // does not report itself throws EchecExecution.
  void Exec(const Programme& programme, int& debut, int& resultat, const int& pas);
  // Closes the channels and ends the printer job; a failure is given back for the host to
  // show, never shown here.
  Fermeture CloseAll();

  // ---- Settings
  const std::string& TexteParametres() const;  // COMMAND$, Windows-1252
  void ChangeParametres(std::string texte);
  char SeparateurDecimal() const;
  void ChangeSeparateurDecimal(char separateur);

  // ---- What the debugging dialogs read between runs
  // The symbol table in declaration order, and the number of entries on the return stack.
  std::span<const Symbole> Symboles() const;
  int ElementsEnPile() const;
  // The record of `nom` in any letter case, or null.
  [[nodiscard]] const Symbole* ChercheEtiq(std::string_view nom) const;
  // The offset of a subscript (an INTEGER variable or a number, minus 1); a failure is
  // shown through the message boxes and gives nothing.
  [[nodiscard]] std::optional<int32_t> Indice(const std::string& texte);
  // Cell `cellule` of the store of `genre` as its value text (INTEGER in decimal, REAL in
  // the general format); a cell that does not exist is shown as an error and gives nothing.
  [[nodiscard]] std::optional<std::string> LitValeur(int64_t cellule, Genre genre);

 private:
  std::unique_ptr<Machine> m_;
};

}  // namespace korvane
