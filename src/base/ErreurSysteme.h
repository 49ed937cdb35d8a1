#pragma once
// The French texts of system error numbers, from one table: the phrase the user reads after
// "Impossible de ... :", and the dialect's own I/O message that a BASIC program's failed
// file operation shows.

#include <string>

#include "base/Message.h"

namespace korvane {

std::string TexteErreurSysteme(int erreur);

// "Disque plein", "Accès au fichier refusé", otherwise "Erreur E/S n" (no number: an I/O error).
Message MessageEntreeSortie(int erreur);

}  // namespace korvane
