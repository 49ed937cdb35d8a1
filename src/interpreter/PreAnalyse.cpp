// The pre-scan: rebuilds the symbol table and the stores from the whole text.
#include "eval/Texte.h"
#include "interpreter/Interpreteur.h"

namespace korvane {

namespace {
// What precedes the first "'", then what precedes the first "REM", wherever they stand.
std::string CoupeCommentaire(std::string u) {
  if (const std::size_t p = u.find('\''); p != std::string::npos) u.resize(p);
  if (const std::size_t p = u.find("REM"); p != std::string::npos) u.resize(p);
  return u;
}

bool EstLigneEtiquette(const std::string& u) {
  const std::size_t p = u.find(':');
  return p != std::string::npos && p + 1 == u.size();
}
}  // namespace

void Interpreteur::PreAnalyse(const Programme& programme, int& ligneErreur) {
  Etat = kContinue;
  RazTables();
  const int nbLignes = programme.NbLignes();
  for (int i = 0; i < nbLignes; ++i) {
    std::string ligne = programme.Ligne(i);
    RemplaceTab(ligne);
    const std::string u = CoupeCommentaire(Majuscules(Trim(ligne)));
    if (EstLigneEtiquette(u)) DeclareEtiq(u, 'L', i);
    if (u.starts_with("SUB")) DeclareEtiq(Trim(Copie(u, 4, 255)), 'P', i);
    if (u.starts_with("DIM")) DeclareDim(Trim(Copie(u, 4, 255)));
    if (Etat > kContinue) {
      ligneErreur = i;
      return;
    }
  }
}

}  // namespace korvane
