#include "support/Banc.h"

namespace korvane::test {

namespace {
std::string Point(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
}  // namespace

void FauxEcran::DessineTexte(int x, int y, const std::string& texte) {
  // A huge text is recorded by its start and length: random programs may print megabytes.
  const std::string note = texte.size() <= 1000 ? texte : texte.substr(0, 100) + "... (" + std::to_string(texte.size()) + ")";
  Appels.push_back("texte " + Point(x, y) + " " + note);
}

void FauxEcran::DessineSaisie(int x, int y, const std::string& texte) {
  Appels.push_back("saisie " + Point(x, y) + " " + texte);
}

void FauxEcran::Trait(int x1, int y1, int x2, int y2) { Appels.push_back("trait " + Point(x1, y1) + "-" + Point(x2, y2)); }

void FauxEcran::Rectangle(int x1, int y1, int x2, int y2) {
  Appels.push_back("rect " + Point(x1, y1) + "-" + Point(x2, y2));
}

void FauxEcran::ChangeCouleurTexte(Couleur c) {
  Appels.push_back("couleur " + std::to_string(c.Rouge) + "," + std::to_string(c.Vert) + "," + std::to_string(c.Bleu));
}

bool FausseSaisie::Saisit(int gauche, int haut, int largeur, std::string& texte) {
  Ouvertures.push_back({gauche, haut, largeur});
  if (Reponses.empty()) return false;
  texte = Reponses.front();
  Reponses.pop_front();
  return true;
}

void FausseImprimante::Ecrit(const std::string& texte) {
  if (Refuse) throw EchecExecution("Erreur d'écriture sur l'imprimante");
  Journal.push_back("ecrit " + texte);
}

std::string FauxClavier::ToucheLue() {
  if (Touches.empty()) return {};
  std::string touche = Touches.front();
  Touches.pop_front();
  return touche;
}

Banc::Resultat Banc::Lance(std::vector<std::string> lignes, int debut, int pas) {
  Texte.Lignes = std::move(lignes);
  return Continue(debut, pas);
}

Banc::Resultat Banc::Continue(int debut, int pas) {
  int resultat = 0;
  It.Exec(Texte, debut, resultat, pas);
  return {resultat, debut};
}

int Banc::Declare(std::vector<std::string> lignes) {
  Texte.Lignes = std::move(lignes);
  int ligneErreur = -1;
  It.PreAnalyse(Texte, ligneErreur);
  return It.Etat > kContinue ? ligneErreur : -1;
}

}  // namespace korvane::test
