#include "screen/HoteQt.h"

namespace korvane {

HoteQt::HoteQt(BoitesMessage& messages, Imprimante& imprimante, QWidget* parent)
    : messages_(messages), imprimante_(imprimante), fenetre_(clavier_, parent), saisie_(clavier_, &fenetre_) {}

Peripheriques HoteQt::Monde() { return {fenetre_, saisie_, messages_, imprimante_, horloge_, clavier_}; }

}  // namespace korvane
