// Assignment: every line the dispatcher does not recognise, NAME[(subscript)] = expression.
#include "eval/Texte.h"
#include "interpreter/Interpreteur.h"

namespace korvane {

void Interpreteur::Affectation(std::string& ligne) {
  const std::size_t egal = ligne.find('=');
  if (egal == std::string::npos) return Erreur("Identificateur inconnu");
  const std::string cible = Trim(Majuscules(ligne.substr(0, egal)));

  std::string nom = cible;
  int32_t decalage = 0;
  if (const std::size_t ouvrante = cible.find('('); ouvrante != std::string::npos) {
    nom = cible.substr(0, ouvrante + 1);
    const std::string apres = Copie(cible, ouvrante + 2, 255);
    const std::size_t fermante = apres.find(')');
    if (fermante == std::string::npos) return Erreur("Erreur de syntaxe");
    decalage = Indice(apres.substr(0, fermante));
    if (Etat > kContinue) return;
  }

  char genre = 0;
  int32_t adresse = 0;
  ChercheEtiq(nom, genre, adresse);
  if (adresse < 0) return Erreur("Identificateur inconnu");
  const int64_t cellule = static_cast<int64_t>(adresse) + decalage;
  if (cellule < INT32_MIN || cellule > INT32_MAX) return Erreur("Indice incorrect");

  ligne = Trim(Copie(ligne, egal + 2, 255));
  switch (genre) {
    case 'I': EvalEntier(ligne); break;
    case 'R': EvalReel(ligne); break;
    case 'S': EvalChaine(ligne); break;
    default: return;  // labels and SUBs take no value
  }
  if (Etat == kContinue) EcritValeur(ligne, genre, static_cast<int32_t>(cellule));
}

}  // namespace korvane
