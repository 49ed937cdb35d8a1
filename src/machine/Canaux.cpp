#include "machine/Canaux.h"

namespace korvane {

bool Canaux::FermeTout() {
  bool fermes = true;
  for (Canal& canal : canaux_) fermes = canal.Ferme() && fermes;
  return fermes;
}

void Canaux::DelieTout() {
  for (Canal& canal : canaux_) canal.Delie();
}

}  // namespace korvane
