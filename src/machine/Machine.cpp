#include "machine/Machine.h"

namespace korvane {

void Machine::Erreur(const Message& message) {
  Etat = kArret;
  Monde.Messages.Affiche(message.Cp1252());
}

}  // namespace korvane
