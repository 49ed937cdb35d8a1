// Control flow: jumps, subroutines, IF blocks and loops. Partners (ENDIF, NEXT, WEND...)
// are found by reading the following lines of the text, without counting nesting; the way
// back to a caller or to the top of a loop lives on the return stack.
#include <algorithm>
#include <cstdint>
#include <limits>

#include "eval/Nombres.h"
#include "eval/Texte.h"
#include "interpreter/Interpreteur.h"

namespace korvane {

namespace {

// The first line from `depuis` on that `estPartenaire` accepts, or -1. Only lines of the
// text are read, whatever `depuis` holds (it may come from a stray stack entry). Lines are
// seen as the dispatcher sees them: marker-free, tabs as blanks, trimmed, upper-cased.
template <typename Predicat>
int ChercheLigne(Interpreteur& it, const Programme& programme, int64_t depuis, Predicat estPartenaire) {
  for (int64_t k = std::max<int64_t>(depuis, 0); k < programme.NbLignes(); ++k) {
    const int index = static_cast<int>(k);
    if (estPartenaire(it.LigneMajuscule(programme, index))) return index;
  }
  return -1;
}

// The line of the label or SUB `nom` when it has kind `attendu`, otherwise -1.
int32_t LigneCible(Interpreteur& it, std::string nom, char attendu) {
  char genre = 0;
  int32_t adresse = 0;
  it.ChercheEtiq(nom, genre, adresse);
  return adresse >= 0 && genre == attendu ? adresse : -1;
}

bool EstFinSi(const std::string& u) { return u == "ENDIF" || u == "END IF"; }

// Any spacing between END and IF ends the block of a false IF.
bool EstSinonOuFinSi(const std::string& u) {
  return u == "ELSE" || u == "ENDIF" || (u.starts_with("END") && u.ends_with("IF"));
}

// The text from the 1-based position `position` + `decalage` on, trimmed: what follows a
// keyword and the one character after it.
std::string ApresMot(const std::string& texte, std::size_t position, std::size_t decalage) {
  return Trim(Copie(texte, position + decalage, 255));
}

}  // namespace

// ---- Jumps and subroutines

void Interpreteur::InstrGoto(const std::string& argument, int& Ligne) {
  const int32_t cible = LigneCible(*this, Majuscules(Trim(argument)) + ":", 'L');
  if (cible < 0) return Erreur("Etiquette non trouvée");
  Ligne = cible;
}

void Interpreteur::InstrGosub(const std::string& argument, int& Ligne) {
  const int32_t cible = LigneCible(*this, Majuscules(Trim(argument)) + ":", 'L');
  if (cible < 0) return Erreur("Etiquette non trouvée");
  // The target is taken even when the push fails: it is then the line the run stops on.
  Empile(Ligne);
  Ligne = cible;
}

void Interpreteur::InstrReturn(int& Ligne) {
  int32_t retour = Ligne;
  Depile(retour);
  Ligne = retour;
}

void Interpreteur::InstrCall(const std::string& argument, int& Ligne) {
  const int32_t cible = LigneCible(*this, Majuscules(Trim(argument)), 'P');
  if (cible < 0) return Erreur("Sub non trouvé");
  Empile(Ligne);
  Ligne = cible;
}

void Interpreteur::InstrExit(const Programme& programme, const std::string& argument, int& Ligne) {
  const std::string quoi = Majuscules(Trim(argument));
  if (quoi == "SUB") return InstrReturn(Ligne);
  if (quoi == "FOR") {
    int32_t pas = 0, limite = 0, adresse = 0, ligneFor = 0;
    for (int32_t* entree : {&pas, &limite, &adresse, &ligneFor}) Depile(*entree);
    if (Etat > kContinue) return;
    const int k = ChercheLigne(*this, programme, ligneFor, [](const std::string& u) { return u == "NEXT"; });
    if (k < 0) return Erreur("FOR sans NEXT");
    Ligne = k;
    return;
  }
  // EXIT WHILE and EXIT DO leave their loop's entry on the stack.
  int k = -1;
  if (quoi == "WHILE") k = ChercheLigne(*this, programme, Ligne, [](const std::string& u) { return u == "WEND"; });
  if (quoi == "DO") k = ChercheLigne(*this, programme, Ligne, [](const std::string& u) { return u.starts_with("LOOP"); });
  if (k >= 0) Ligne = k;
}

// ---- IF blocks

bool DecoupeIf(const std::string& argument, std::string& condition, std::string& apres) {
  const std::size_t alors = Position("THEN", Majuscules(argument));
  if (alors == 0) return false;
  condition = Trim(argument.substr(0, alors - 1));
  apres = Majuscules(ApresMot(argument, alors, 5));
  return true;
}

void Interpreteur::InstrIf(const Programme& programme, const std::string& argument, int& Ligne) {
  std::string condition, apres;
  if (!DecoupeIf(argument, condition, apres)) return Erreur("THEN manquant");
  bool vrai = false;
  EvalCondition(condition, vrai);
  if (Etat > kContinue) return;
  SuiteIf(programme, apres, vrai, Ligne);
}

void Interpreteur::SuiteIf(const Programme& programme, const std::string& apres, bool vrai, int& Ligne) {
  if (!apres.empty()) {
    // One-line form: the words after THEN and ELSE are labels, never statements.
    const std::size_t sinon = Position("ELSE", apres);
    if (sinon == 0) {
      if (vrai) InstrGoto(apres, Ligne);
      return;
    }
    InstrGoto(vrai ? Trim(apres.substr(0, sinon - 1)) : ApresMot(apres, sinon, 5), Ligne);
    return;
  }
  if (vrai) return;
  const int k = ChercheLigne(*this, programme, int64_t{Ligne} + 1, EstSinonOuFinSi);
  if (k < 0) return Erreur("Else ou Endif non trouvé");
  Ligne = k;
}

void Interpreteur::InstrElse(const Programme& programme, int& Ligne) {
  if (const int k = ChercheLigne(*this, programme, Ligne, EstFinSi); k >= 0) Ligne = k;
}

// ---- FOR / NEXT

void Interpreteur::InstrFor(const std::string& argument, int& Ligne) {
  const std::string u = Majuscules(argument);
  const std::size_t egal = u.find('=');
  if (egal == std::string::npos) return Erreur("erreur de syntaxe");
  std::string nom = Trim(u.substr(0, egal));
  char genre = 0;
  int32_t adresse = 0;
  ChercheEtiq(nom, genre, adresse);
  if (adresse < 0) return Erreur("Variable inconnue");
  if (genre != 'I') return Erreur("Type de variable incorrect");

  const std::string bornes = u.substr(egal + 1);
  const std::size_t a = Position("TO", bornes);
  if (a == 0) return Erreur("erreur de syntaxe");
  std::string debut = Trim(bornes.substr(0, a - 1));
  const std::string reste = Copie(bornes, a + 3, 255);
  std::string limite = reste;
  std::string pas = "1";
  if (const std::size_t p = Position("STEP", reste); p != 0) {
    limite = reste.substr(0, p - 1);
    pas = Copie(reste, p + 5, 255);
  }
  limite = Trim(limite);
  pas = Trim(pas);

  // An operand that cannot be read still goes on to its conversion, which reports it too;
  // the failure is remembered because a later name lookup clears Etat.
  bool lectureEchouee = false;
  for (std::string* operande : {&debut, &limite, &pas}) {
    LitOperande(*operande);
    lectureEchouee = lectureEchouee || Etat > kContinue;
  }
  const auto valeurLimite = TexteVersEntier(limite);
  const auto valeurPas = TexteVersEntier(pas);
  if (!valeurLimite || !valeurPas) return Erreur("Types de données incompatibles");
  EcritValeur(debut, 'I', adresse);
  if (lectureEchouee || Etat > kContinue) {
    Etat = kArret;
    return;
  }
  for (int32_t entree : {Ligne, adresse, *valeurLimite, *valeurPas}) Empile(entree);
}

void Interpreteur::InstrNext(int& Ligne) {
  int32_t pas = 0, limite = 0, adresse = 0, ligneFor = 0;
  for (int32_t* entree : {&pas, &limite, &adresse, &ligneFor}) Depile(*entree);
  if (Etat > kContinue) return;

  double reel = 0;
  int32_t entier = 0;
  std::string texte;
  LitValeur(adresse, 'I', reel, entier, texte);
  if (Etat > kContinue) return;
  // Past the 32-bit range the write fails with its conversion message instead of wrapping.
  const int64_t valeur = int64_t{entier} + pas;
  EcritValeur(std::to_string(valeur), 'I', adresse);
  if (Etat > kContinue) return;

  const bool fini = (pas > 0 && valeur > limite) || (pas < 0 && valeur < limite);
  if (fini) return;
  Ligne = ligneFor;
  for (int32_t entree : {ligneFor, adresse, limite, pas}) Empile(entree);
}

// ---- WHILE / WEND, DO / LOOP

void Interpreteur::InstrWhile(const Programme& programme, const std::string& argument, int& Ligne) {
  bool vrai = false;
  EvalCondition(argument, vrai);
  if (Etat > kContinue) return;
  SuiteWhile(programme, vrai, Ligne);
}

void Interpreteur::SuiteWhile(const Programme& programme, bool vrai, int& Ligne) {
  if (vrai) return Empile(Ligne);
  const int k = ChercheLigne(*this, programme, Ligne, [](const std::string& u) { return u == "WEND"; });
  if (k < 0) return Erreur("WHILE sans WEND");
  Ligne = k;
}

void Interpreteur::InstrWend(int& Ligne) {
  int32_t ligneWhile = 0;
  Depile(ligneWhile);
  if (Etat > kContinue) return;
  // The WHILE line itself runs next. A stray entry must not overflow; the run loop refuses
  // a negative line.
  Ligne = ligneWhile > std::numeric_limits<int32_t>::min() ? ligneWhile - 1 : ligneWhile;
}

void Interpreteur::InstrLoop(const std::string& argument, int& Ligne) {
  int32_t ligneDo = 0;
  Depile(ligneDo);
  if (Etat > kContinue) return;
  bool vrai = false;
  EvalCondition(argument, vrai);
  if (Etat > kContinue) return;
  SuiteLoop(ligneDo, vrai, Ligne);
}

void Interpreteur::SuiteLoop(int32_t ligneDo, bool vrai, int& Ligne) {
  if (vrai) return;
  Ligne = ligneDo;
  Empile(ligneDo);
}

}  // namespace korvane
