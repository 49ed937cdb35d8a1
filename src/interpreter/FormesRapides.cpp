#include "interpreter/FormesRapides.h"

#include <charconv>
#include <optional>

#include "eval/Calcul.h"
#include "eval/Nombres.h"
#include "eval/Texte.h"
#include "interpreter/Interpreteur.h"

namespace korvane {

namespace {

using Sorte = OperandeRapide::Sorte;

bool CommencePar(const std::string& texte, std::string_view jeu) {
  return !texte.empty() && jeu.find(texte[0]) != std::string_view::npos;
}

// The scalar variable of kind `genre` named `nom` (case as written), as a cell operand.
std::optional<OperandeRapide> Variable(const Interpreteur& it, const std::string& nom, char genre) {
  if (nom.find('(') != std::string::npos) return std::nullopt;
  const int i = it.ChercheSymbole(Majuscules(nom));
  if (i == 0 || it.TableSymboles[i].Genre != genre) return std::nullopt;
  OperandeRapide o;
  o.Genre = genre == 'I' ? Sorte::Entier : genre == 'R' ? Sorte::Reel : Sorte::Chaine;
  o.Cellule = it.TableSymboles[i].Adresse;
  return o;
}

// A term of an INTEGER expression that can only read a number or an INTEGER variable.
std::optional<OperandeRapide> TermeEntier(const Interpreteur& it, const std::string& terme) {
  if (terme.empty()) return OperandeRapide{};
  if (CommencePar(terme, "0123456789+-")) {
    const auto n = TexteVersEntier(terme);
    if (!n) return std::nullopt;
    OperandeRapide o;
    o.Entier = *n;
    return o;
  }
  return Variable(it, terme, 'I');
}

std::optional<OperandeRapide> TermeReel(const Interpreteur& it, const std::string& terme) {
  if (terme.empty()) return OperandeRapide{};
  if (CommencePar(terme, ".0123456789+-")) {
    const auto x = TexteVersReel(terme, it.SeparateurDecimal);
    if (!x) return std::nullopt;
    OperandeRapide o;
    o.Reel = *x;
    return o;
  }
  return Variable(it, terme, 'R');
}

// A string literal as the string reader takes it (no doubled quote reduced), or a STRING variable.
std::optional<OperandeRapide> TermeChaine(const Interpreteur& it, std::string terme) {
  terme = Trim(terme);
  if (CommencePar(terme, "\"")) {
    if (terme.size() < 2 || terme.back() != '"') return std::nullopt;
    OperandeRapide o;
    o.Texte = terme.substr(1, terme.size() - 2);
    return o;
  }
  const std::string nom = Majuscules(terme);
  if (nom == "TIME$" || nom == "DATE$" || nom == "COMMAND$" || nom == "INKEY$") return std::nullopt;
  return Variable(it, terme, 'S');
}

// An operand as the operand reader takes it: a literal's own text, or a variable's cell.
std::optional<OperandeRapide> Operande(const Interpreteur& it, std::string texte) {
  if (CommencePar(texte, "\"")) {
    texte.erase(0, 1);
    if (const std::size_t paire = texte.find("\"\""); paire != std::string::npos) texte.erase(paire, 1);
    if (texte.empty() || texte.back() != '"') return std::nullopt;
    texte.pop_back();
    OperandeRapide o;
    o.Texte = std::move(texte);
    return o;
  }
  if (CommencePar(texte, ".0123456789+-")) {
    if (texte.find_first_not_of(".-+1234567890") != std::string::npos) return std::nullopt;
    OperandeRapide o;
    o.Texte = std::move(texte);
    return o;
  }
  for (char genre : {'I', 'R', 'S'})
    if (auto o = Variable(it, texte, genre)) return o;
  return std::nullopt;
}

int32_t ValeurEntiere(const Interpreteur& it, const OperandeRapide& o) {
  return o.Genre == Sorte::Entier ? it.Entiers[o.Cellule] : o.Entier;
}

double ValeurReelle(const Interpreteur& it, const OperandeRapide& o) {
  return o.Genre == Sorte::Reel ? it.Reels[o.Cellule] : o.Reel;
}

const std::string& ValeurChaine(const Interpreteur& it, const OperandeRapide& o) {
  return o.Genre == Sorte::Chaine ? it.Chaines[static_cast<std::size_t>(o.Cellule)] : o.Texte;
}

// ---- Execution

void AffecteEntier(Interpreteur& it, const Programme&, const FormeRapide& f, int&) {
  const auto c = CalculeEntier(ValeurEntiere(it, f.Gauche), f.Operateur, ValeurEntiere(it, f.Droite));
  if (!c) {
    it.Etat = kArret;
    return;
  }
  it.Entiers[f.Cible] = *c;
}

void AffecteReel(Interpreteur& it, const Programme&, const FormeRapide& f, int&) {
  const auto x = CalculeReel(ValeurReelle(it, f.Gauche), f.Operateur, ValeurReelle(it, f.Droite));
  if (!x) {
    it.Etat = kArret;
    return;
  }
  it.Reels[f.Cible] = *x;
}

void AffecteChaine(Interpreteur& it, const Programme&, const FormeRapide& f, int&) {
  std::string& cible = it.Chaines[static_cast<std::size_t>(f.Cible)];
  const std::string& gauche = ValeurChaine(it, f.Gauche);
  const std::string& droite = ValeurChaine(it, f.Droite);
  if (gauche.size() + droite.size() > kLongueurMaxChaine) return it.Erreur("Trop de variables");
  if (&gauche == &cible) {
    cible.append(droite);  // an append grows the string in place
    return;
  }
  std::string valeur = gauche;
  valeur += droite;
  cible = std::move(valeur);
}

void Saute(Interpreteur&, const Programme&, const FormeRapide& f, int& Ligne) { Ligne = f.Cible; }

bool Condition(Interpreteur& it, const FormeRapide& f) {
  const auto texte = [&](const OperandeRapide& o, char (&tampon)[16], std::string& reel) -> std::string_view {
    switch (o.Genre) {
      case Sorte::Entier: {
        const auto fin = std::to_chars(tampon, tampon + sizeof tampon, it.Entiers[o.Cellule]).ptr;
        return {tampon, static_cast<std::size_t>(fin - tampon)};
      }
      case Sorte::Reel:
        reel = FormatReel(it.Reels[o.Cellule], it.SeparateurDecimal);
        return reel;
      case Sorte::Chaine:
        return it.Chaines[static_cast<std::size_t>(o.Cellule)];
      case Sorte::Constante:
        return o.Texte;
    }
    return {};
  };
  char tamponGauche[16], tamponDroite[16];
  std::string reelGauche, reelDroite;
  return Compare(f.Test, texte(f.Gauche, tamponGauche, reelGauche), texte(f.Droite, tamponDroite, reelDroite));
}

void Si(Interpreteur& it, const Programme& programme, const FormeRapide& f, int& Ligne) {
  it.SuiteIf(programme, f.Apres, Condition(it, f), Ligne);
}

void TantQue(Interpreteur& it, const Programme& programme, const FormeRapide& f, int& Ligne) {
  it.SuiteWhile(programme, Condition(it, f), Ligne);
}

void Boucle(Interpreteur& it, const Programme&, const FormeRapide& f, int& Ligne) {
  int32_t ligneDo = 0;
  it.Depile(ligneDo);
  if (it.Etat > kContinue) return;
  it.SuiteLoop(ligneDo, Condition(it, f), Ligne);
}

// ---- Compilation

bool CompileCondition(const Interpreteur& it, const std::string& condition, FormeRapide& f) {
  if (EstTestFinDeFichier(condition)) return false;
  const Operateur op = ChercheOperateur(condition);
  if (op.Position == std::string::npos) return false;
  std::string gauche, droite;
  DecoupeCondition(condition, op, gauche, droite);
  auto g = Operande(it, gauche);
  auto d = Operande(it, droite);
  if (!g || !d) return false;
  f.Gauche = std::move(*g);
  f.Droite = std::move(*d);
  f.Test = op.Sorte;
  return true;
}

void CompileAffectation(const Interpreteur& it, const std::string& ligne, FormeRapide& f) {
  const std::size_t egal = ligne.find('=');
  if (egal == std::string::npos) return;
  const std::string cible = Trim(Majuscules(ligne.substr(0, egal)));
  if (cible.find('(') != std::string::npos) return;
  const int symbole = it.ChercheSymbole(cible);
  if (symbole == 0) return;
  const Symbole& s = it.TableSymboles[symbole];
  const std::string valeur = Trim(Copie(ligne, egal + 2, 255));
  std::optional<OperandeRapide> g, d;

  if (s.Genre == 'I' || s.Genre == 'R') {
    std::string gauche, operateur, droite;
    it.CoupeOperateur(valeur, gauche, operateur, droite);
    if (operateur == "**") return;  // fails on an operand: left to the text
    g = s.Genre == 'I' ? TermeEntier(it, gauche) : TermeReel(it, gauche);
    d = s.Genre == 'I' ? TermeEntier(it, droite) : TermeReel(it, droite);
    f.Operateur = LitOperateurArith(operateur);
    f.Executer = s.Genre == 'I' ? AffecteEntier : AffecteReel;
  } else if (s.Genre == 'S') {
    const std::size_t plus = DernierPlusHorsGuillemets(valeur);
    if (Trim(valeur).empty()) {
      g = d = OperandeRapide{};
    } else if (plus == std::string::npos) {
      g = TermeChaine(it, valeur);
      d = OperandeRapide{};
    } else {
      g = TermeChaine(it, valeur.substr(0, plus));
      d = TermeChaine(it, Copie(valeur, plus + 2, 255));
    }
    f.Executer = AffecteChaine;
  }
  if (!g || !d) {
    f.Executer = nullptr;
    return;
  }
  f.Cible = s.Adresse;
  f.Gauche = std::move(*g);
  f.Droite = std::move(*d);
}

void CompileInstruction(const Interpreteur& it, const LigneAnalysee& a, FormeRapide& f) {
  if (a.Mot == "GOTO") {
    const int symbole = it.ChercheSymbole(Majuscules(Trim(a.Argument)) + ":");
    if (symbole == 0 || it.TableSymboles[symbole].Genre != 'L') return;
    f.Cible = it.TableSymboles[symbole].Adresse;
    f.Executer = Saute;
  } else if (a.Mot == "IF") {
    std::string condition;
    if (DecoupeIf(a.Argument, condition, f.Apres) && CompileCondition(it, condition, f)) f.Executer = Si;
  } else if (a.Mot == "WHILE") {
    if (CompileCondition(it, a.Argument, f)) f.Executer = TantQue;
  } else if (a.Mot == "LOOP") {
    if (CompileCondition(it, a.Argument, f)) f.Executer = Boucle;
  }
}

}  // namespace

void CompileFormeRapide(const Interpreteur& it, const LigneAnalysee& analyse, FormeRapide& forme) {
  forme = FormeRapide{};
  if (analyse.Genre == LigneAnalysee::Sorte::Affectation) CompileAffectation(it, analyse.T, forme);
  if (analyse.Genre == LigneAnalysee::Sorte::Instruction) CompileInstruction(it, analyse, forme);
}

}  // namespace korvane
