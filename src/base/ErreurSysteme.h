#pragma once
// The French text of a system error number, as the user reads it after "Impossible de ... :".

#include <string>

namespace korvane {

std::string TexteErreurSysteme(int erreur);

}  // namespace korvane
