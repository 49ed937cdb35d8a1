#include "interpreter/Controle.h"

#include <algorithm>
#include <limits>

#include "base/Nombres.h"
#include "base/Texte.h"
#include "eval/Conditions.h"
#include "eval/Operandes.h"
#include "interpreter/CacheLignes.h"
#include "machine/Symboles.h"

namespace korvane {

namespace {

// The line of the label or SUB `nom` when it has kind `attendu`, otherwise -1.
int32_t LigneCible(const Machine& m, const std::string& nom, Genre attendu) {
  const Symbole* s = ChercheEtiq(m, nom);
  return s && s->Adresse >= 0 && s->Genre == attendu ? s->Adresse : -1;
}

// The text from the 1-based position `position` + `decalage` on, trimmed: what follows a
// keyword and the one character after it.
std::string ApresMot(const std::string& texte, std::size_t position, std::size_t decalage) {
  return Trim(Copie(texte, position + decalage, 255));
}

void Saute(Machine& m, const std::string& etiquette, int& Ligne) {
  const int32_t cible = LigneEtiquette(m, etiquette);
  if (cible < 0) return m.Erreur("Etiquette non trouvée");
  Ligne = cible;
}

// The four entries FOR pushes, popped: step, limit, cell, line of the FOR.
struct BoucleFor {
  int32_t Pas = 0, Limite = 0, Adresse = 0, LigneFor = 0;
};

// Each entry is popped, and each failure reported, even after an earlier one failed.
std::optional<BoucleFor> DepileFor(Machine& m) {
  BoucleFor b;
  bool depiles = true;
  for (int32_t* entree : {&b.Pas, &b.Limite, &b.Adresse, &b.LigneFor}) {
    const auto valeur = Depile(m);
    if (valeur) *entree = *valeur;
    depiles = depiles && valeur;
  }
  if (!depiles) return std::nullopt;
  return b;
}

// Stops at the first failed push, which has reported the full stack once.
void EmpileFor(Machine& m, const BoucleFor& b) {
  for (int32_t entree : {b.LigneFor, b.Adresse, b.Limite, b.Pas})
    if (!Empile(m, entree)) return;
}

void InstrGoto(Machine& m, Instruction& i) { Saute(m, i.Argument, i.Ligne); }

void InstrGosub(Machine& m, Instruction& i) {
  const int32_t cible = LigneEtiquette(m, i.Argument);
  if (cible < 0) return m.Erreur("Etiquette non trouvée");
  // A failed push has reported itself; the target is taken all the same: it is then the line
  // the run stops on.
  static_cast<void>(Empile(m, i.Ligne));
  i.Ligne = cible;
}

void InstrReturn(Machine& m, Instruction& i) { Retour(m, i.Ligne); }

void InstrCall(Machine& m, Instruction& i) {
  const int32_t cible = LigneSub(m, i.Argument);
  if (cible < 0) return m.Erreur("Sub non trouvé");
  // As in GOSUB, a failed push has reported itself and the run stops on the target.
  static_cast<void>(Empile(m, i.Ligne));
  i.Ligne = cible;
}

void InstrExit(Machine& m, Instruction& i) {
  const std::string quoi = Majuscules(Trim(i.Argument));
  if (quoi == "SUB") return Retour(m, i.Ligne);
  if (quoi == "FOR") {
    const auto boucle = DepileFor(m);
    if (!boucle) return;
    const int k = ChercheLigne(i.Lignes, boucle->LigneFor, kNext);
    if (k < 0) return m.Erreur("FOR sans NEXT");
    i.Ligne = k;
    return;
  }
  // EXIT WHILE and EXIT DO leave their loop's entry on the stack.
  int k = -1;
  if (quoi == "WHILE") k = ChercheLigne(i.Lignes, i.Ligne, kWend);
  if (quoi == "DO") k = ChercheLigne(i.Lignes, i.Ligne, kLoop);
  if (k >= 0) i.Ligne = k;
}

void InstrIf(Machine& m, Instruction& i) {
  const auto si = DecoupeIf(i.Argument);
  if (!si) return m.Erreur("THEN manquant");
  const auto vrai = EvalCondition(m, si->Condition);
  if (!vrai) return;
  SuiteIf(m, i.Lignes, si->Apres, *vrai, i.Ligne);
}

void InstrElse(Machine&, Instruction& i) {
  if (const int k = ChercheLigne(i.Lignes, i.Ligne, kFinSi); k >= 0) i.Ligne = k;
}

void InstrFor(Machine& m, Instruction& i) {
  const std::string u = Majuscules(i.Argument);
  const std::size_t egal = u.find('=');
  if (egal == std::string::npos) return m.Erreur("erreur de syntaxe");
  const Symbole* variable = ChercheEtiq(m, Trim(u.substr(0, egal)));
  if (!variable) return m.Erreur("Variable inconnue");
  if (variable->Genre != Genre::Entier) return m.Erreur("Type de variable incorrect");

  const std::string bornes = u.substr(egal + 1);
  const std::size_t a = Position("TO", bornes);
  if (a == 0) return m.Erreur("erreur de syntaxe");
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

  // An operand that cannot be read still goes on to its conversion, which reports it too.
  bool lus = true;
  for (std::string* operande : {&debut, &limite, &pas}) lus = LitOperande(m, *operande) && lus;
  const auto valeurLimite = TexteVersEntier(limite);
  const auto valeurPas = TexteVersEntier(pas);
  if (!valeurLimite || !valeurPas) return m.Erreur("Types de données incompatibles");
  if (!EcritValeur(m, debut, Genre::Entier, variable->Adresse) || !lus) return;
  EmpileFor(m, {*valeurPas, *valeurLimite, variable->Adresse, i.Ligne});
}

void InstrNext(Machine& m, Instruction& i) {
  auto boucle = DepileFor(m);
  if (!boucle) return;
  const auto compteur = LitValeur(m, boucle->Adresse, Genre::Entier);
  if (!compteur) return;
  // Past the 32-bit range the write fails with its conversion message instead of wrapping.
  const int64_t valeur = int64_t{compteur->Entier} + boucle->Pas;
  if (!EcritEntier(m, valeur, boucle->Adresse)) return;

  const bool fini = (boucle->Pas > 0 && valeur > boucle->Limite) || (boucle->Pas < 0 && valeur < boucle->Limite);
  if (fini) return;
  i.Ligne = boucle->LigneFor;
  EmpileFor(m, *boucle);
}

void InstrWhile(Machine& m, Instruction& i) {
  const auto vrai = EvalCondition(m, i.Argument);
  if (!vrai) return;
  SuiteWhile(m, i.Lignes, *vrai, i.Ligne);
}

void InstrWend(Machine& m, Instruction& i) {
  const auto ligneWhile = Depile(m);
  if (!ligneWhile) return;
  // The WHILE line itself runs next. A stray entry must not overflow; the run loop refuses
  // a negative line.
  i.Ligne = *ligneWhile > std::numeric_limits<int32_t>::min() ? *ligneWhile - 1 : *ligneWhile;
}

// A failed push has reported itself and stops the run; DO has nothing else to do.
void InstrDo(Machine& m, Instruction& i) { static_cast<void>(Empile(m, i.Ligne)); }

void InstrLoop(Machine& m, Instruction& i) {
  const auto ligneDo = Depile(m);
  if (!ligneDo) return;
  const auto vrai = EvalCondition(m, i.Argument);
  if (!vrai) return;
  SuiteLoop(m, *ligneDo, *vrai, i.Ligne);
}

constexpr MotInstruction kInstructions[] = {
    {"GOTO", InstrGoto}, {"GOSUB", InstrGosub}, {"RETURN", InstrReturn}, {"CALL", InstrCall},
    {"EXIT", InstrExit}, {"IF", InstrIf},       {"ELSE", InstrElse},     {"FOR", InstrFor},
    {"NEXT", InstrNext}, {"WHILE", InstrWhile}, {"WEND", InstrWend},     {"DO", InstrDo},
    {"LOOP", InstrLoop},
};

}  // namespace

int ChercheLigne(CacheLignes& lignes, int64_t depuis, uint8_t cherches) {
  for (int64_t k = std::max<int64_t>(depuis, 0); k < lignes.NbLignes(); ++k) {
    const int index = static_cast<int>(k);
    if (lignes.Partenaires(index) & cherches) return index;
  }
  return -1;
}

int32_t LigneEtiquette(const Machine& m, const std::string& argument) {
  return LigneCible(m, Majuscules(Trim(argument)) + ":", Genre::Etiquette);
}

int32_t LigneSub(const Machine& m, const std::string& argument) {
  return LigneCible(m, Majuscules(Trim(argument)), Genre::Sub);
}

void Retour(Machine& m, int& Ligne) {
  if (const auto retour = Depile(m)) Ligne = *retour;
}

uint8_t PartenairesDe(const std::string& u) {
  uint8_t partenaires = 0;
  if (u == "NEXT") partenaires |= kNext;
  if (u == "WEND") partenaires |= kWend;
  if (u.starts_with("LOOP")) partenaires |= kLoop;
  if (u == "ENDIF" || u == "END IF") partenaires |= kFinSi;
  // Any spacing between END and IF ends the block of a false IF.
  if (u == "ELSE" || u == "ENDIF" || (u.starts_with("END") && u.ends_with("IF"))) partenaires |= kSinonOuFinSi;
  return partenaires;
}

std::optional<SiAlors> DecoupeIf(const std::string& argument) {
  const std::size_t alors = Position("THEN", Majuscules(argument));
  if (alors == 0) return std::nullopt;
  return SiAlors{Trim(argument.substr(0, alors - 1)), Majuscules(ApresMot(argument, alors, 5))};
}

void SuiteIf(Machine& m, CacheLignes& lignes, const std::string& apres, bool vrai, int& Ligne) {
  if (!apres.empty()) {
    // One-line form: the words after THEN and ELSE are labels, never statements.
    const std::size_t sinon = Position("ELSE", apres);
    if (sinon == 0) {
      if (vrai) Saute(m, apres, Ligne);
      return;
    }
    Saute(m, vrai ? Trim(apres.substr(0, sinon - 1)) : ApresMot(apres, sinon, 5), Ligne);
    return;
  }
  if (vrai) return;
  const int k = ChercheLigne(lignes, int64_t{Ligne} + 1, kSinonOuFinSi);
  if (k < 0) return m.Erreur("Else ou Endif non trouvé");
  Ligne = k;
}

void SuiteWhile(Machine& m, CacheLignes& lignes, bool vrai, int& Ligne) {
  if (vrai) {
    // A failed push has reported itself and stops the run on the WHILE line.
    static_cast<void>(Empile(m, Ligne));
    return;
  }
  const int k = ChercheLigne(lignes, Ligne, kWend);
  if (k < 0) return m.Erreur("WHILE sans WEND");
  Ligne = k;
}

void SuiteLoop(Machine& m, int32_t ligneDo, bool vrai, int& Ligne) {
  if (vrai) return;
  Ligne = ligneDo;
  // A failed push has reported itself and stops the run on the DO line.
  static_cast<void>(Empile(m, ligneDo));
}

std::span<const MotInstruction> InstructionsControle() { return kInstructions; }

}  // namespace korvane
