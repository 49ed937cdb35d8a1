#include "interpreter/FormesRapides.h"

#include "base/Texte.h"
#include "eval/Evaluateur.h"
#include "interpreter/Controle.h"
#include "interpreter/Dispatcheur.h"
#include "machine/Machine.h"
#include "machine/Symboles.h"

namespace korvane {

namespace {

// ---- Execution

void AffecteEntier(Machine& m, CacheLignes&, const FormeRapide& f, int&) {
  const auto c = CalculeEntier(ValeurEntiere(m, f.Gauche), f.Operateur, ValeurEntiere(m, f.Droite));
  if (!c) return m.Erreur();
  m.Valeurs.Entier(f.Cible) = *c;
}

void AffecteReel(Machine& m, CacheLignes&, const FormeRapide& f, int&) {
  const auto x = CalculeReel(ValeurReelle(m, f.Gauche), f.Operateur, ValeurReelle(m, f.Droite));
  if (!x) return m.Erreur();
  m.Valeurs.Reel(f.Cible) = *x;
}

void AffecteChaine(Machine& m, CacheLignes&, const FormeRapide& f, int&) {
  std::string& cible = m.Valeurs.Chaine(f.Cible);
  const std::string& gauche = ValeurChaine(m, f.Gauche);
  const std::string& droite = ValeurChaine(m, f.Droite);
  if (gauche.size() + droite.size() > kLongueurMaxChaine) return m.Erreur("Trop de variables");
  if (&gauche == &cible) {
    cible.append(droite);  // an append grows the string in place
    return;
  }
  std::string valeur = gauche;
  valeur += droite;
  cible = std::move(valeur);
}

void Saute(Machine&, CacheLignes&, const FormeRapide& f, int& Ligne) { Ligne = f.Cible; }

bool Condition(const Machine& m, const FormeRapide& f) {
  TamponTexte tamponGauche, tamponDroite;
  return Compare(f.Test, TexteResolu(m, f.Gauche, tamponGauche), TexteResolu(m, f.Droite, tamponDroite));
}

void Si(Machine& m, CacheLignes& lignes, const FormeRapide& f, int& Ligne) {
  SuiteIf(m, lignes, f.Apres, Condition(m, f), Ligne);
}

void TantQue(Machine& m, CacheLignes& lignes, const FormeRapide& f, int& Ligne) {
  SuiteWhile(m, lignes, Condition(m, f), Ligne);
}

void Boucle(Machine& m, CacheLignes&, const FormeRapide& f, int& Ligne) {
  const auto ligneDo = Depile(m);
  if (!ligneDo) return;
  SuiteLoop(m, *ligneDo, Condition(m, f), Ligne);
}

// ---- Compilation

// Both operands resolved; nothing when one is left to the text.
bool Resout(const Lecture& gauche, const Lecture& droite, FormeRapide& f) {
  if (!gauche.Resultat || !droite.Resultat) return false;
  f.Gauche = *gauche.Resultat;
  f.Droite = *droite.Resultat;
  return true;
}

bool CompileCondition(const Machine& m, const std::string& condition, FormeRapide& f) {
  if (EstTestFinDeFichier(condition)) return false;
  const auto coupee = CoupeCondition(condition);
  if (!coupee) return false;
  f.Test = coupee->Sorte;
  return Resout(ResoudOperande(m, coupee->Gauche), ResoudOperande(m, coupee->Droite), f);
}

bool CompileValeur(const Machine& m, const std::string& valeur, Genre genre, FormeRapide& f) {
  if (genre == Genre::Entier || genre == Genre::Reel) {
    const Operation operation = CoupeOperateur(valeur);
    if (operation.Operateur == OperateurArith::Puissance) return false;  // fails on an operand: left to the text
    f.Operateur = operation.Operateur;
    f.Executer = genre == Genre::Entier ? AffecteEntier : AffecteReel;
    return Resout(ResoudTerme(m, operation.Gauche, genre), ResoudTerme(m, operation.Droite, genre), f);
  }
  if (genre != Genre::Chaine) return false;
  f.Executer = AffecteChaine;
  if (Trim(valeur).empty()) return Resout(Lecture{Resolu{}}, Lecture{Resolu{}}, f);
  const std::size_t plus = DernierPlusHorsGuillemets(valeur);
  if (plus == std::string::npos) return Resout(ResoudTerme(m, valeur, genre), Lecture{Resolu{}}, f);
  return Resout(ResoudTerme(m, valeur.substr(0, plus), genre), ResoudTerme(m, Copie(valeur, plus + 2, 255), genre), f);
}

void CompileAffectation(const Machine& m, const std::string& ligne, FormeRapide& f) {
  const auto affectation = CoupeAffectation(ligne);
  if (!affectation || affectation->Cible.Element()) return;
  const Symbole* s = m.Symboles.Cherche(affectation->Cible.Nom);
  if (!s || !CompileValeur(m, affectation->Valeur, s->Genre, f)) {
    f.Executer = nullptr;
    return;
  }
  f.Cible = s->Adresse;
}

void CompileInstruction(const Machine& m, const LigneAnalysee& a, FormeRapide& f) {
  if (a.Mot == "GOTO") {
    const Symbole* s = m.Symboles.Cherche(Majuscules(Trim(a.Argument)) + ":");
    if (!s || s->Genre != Genre::Etiquette) return;
    f.Cible = s->Adresse;
    f.Executer = Saute;
  } else if (a.Mot == "IF") {
    const auto si = DecoupeIf(a.Argument);
    if (!si || !CompileCondition(m, si->Condition, f)) return;
    f.Apres = si->Apres;
    f.Executer = Si;
  } else if (a.Mot == "WHILE") {
    if (CompileCondition(m, a.Argument, f)) f.Executer = TantQue;
  } else if (a.Mot == "LOOP") {
    if (CompileCondition(m, a.Argument, f)) f.Executer = Boucle;
  }
}

}  // namespace

void CompileFormeRapide(const Machine& m, const LigneAnalysee& analyse, FormeRapide& forme) {
  forme = FormeRapide{};
  if (analyse.Genre == LigneAnalysee::Sorte::Affectation) CompileAffectation(m, analyse.T, forme);
  if (analyse.Genre == LigneAnalysee::Sorte::Instruction) CompileInstruction(m, analyse, forme);
}

}  // namespace korvane
