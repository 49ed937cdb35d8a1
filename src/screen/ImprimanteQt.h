#pragma once
// The printer channel of LPRINT for the IDE: one job per run, started by the first LPRINT
// and ended by CloseAll, printed through the routine that prints the editor's listings.

#include <optional>
#include <string>

#include "interpreter/Interpreteur.h"
#include "screen/Impression.h"

namespace korvane {

class ImprimanteQt : public Imprimante {
 public:
  explicit ImprimanteQt(BoitesMessage& messages, SortieImpression sortie = {});

  void DebutTravail() override;
  void Ecrit(const std::string& texte) override;
  void FinLigne() override;
  void FinTravail() override;

 private:
  Impression& Travail();

  BoitesMessage& messages_;
  SortieImpression sortie_;
  std::optional<Impression> travail_;
};

}  // namespace korvane
