#include "interpreter/FormesRapides.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <span>
#include <type_traits>

#include "base/Nombres.h"
#include "base/Texte.h"
#include "eval/Arguments.h"
#include "eval/Evaluateur.h"
#include "eval/Fichiers.h"
#include "eval/FonctionsChaines.h"
#include "eval/FonctionsNumeriques.h"
#include "interpreter/CacheLignes.h"
#include "interpreter/Controle.h"
#include "interpreter/Dispatcheur.h"
#include "machine/Machine.h"
#include "machine/Symboles.h"

namespace korvane {

namespace {

using Sorte = Resolu::Sorte;

constexpr std::string_view kFinLigneCanal = "\r\n";

int32_t MoinsUn(int32_t n) { return static_cast<int32_t>(int64_t{n} - 1); }

Genre GenreDe(Sorte sorte) {
  switch (sorte) {
    case Sorte::Entier: return Genre::Entier;
    case Sorte::Reel: return Genre::Reel;
    case Sorte::Chaine: return Genre::Chaine;
    case Sorte::Constante: break;
  }
  return Genre::Aucun;
}

Sorte SorteDe(Genre genre) {
  switch (genre) {
    case Genre::Entier: return Sorte::Entier;
    case Genre::Reel: return Sorte::Reel;
    case Genre::Chaine: return Sorte::Chaine;
    case Genre::Aucun:
    case Genre::Etiquette:
    case Genre::Sub:
      break;
  }
  return Sorte::Constante;
}

// ---- Execution

// What the compiled form does not handle, the line's text does, messages included.
void ParLeTexte(Machine& m, CacheLignes& lignes, int& Ligne) { ExecuteAnalysee(m, lignes, lignes.Relit(Ligne), Ligne); }

// A call that gave nothing has told its failure, or leaves the line to its text.
void SansValeur(Machine& m, CacheLignes& lignes, int& Ligne) {
  if (m.Etat == kContinue) ParLeTexte(m, lignes, Ligne);
}

// The cell of an array element, from its subscript cell or its fixed offset; false when the
// cell does not exist (the text then reports it).
bool CelluleElement(const Machine& m, int32_t premiere, int32_t indice, int32_t decalage, Genre genre,
                    int32_t& cellule) {
  const int64_t c = int64_t{premiere} + (indice != 0 ? MoinsUn(m.Valeurs.Entier(indice)) : decalage);
  if (!m.Valeurs.CelluleValide(c, genre)) return false;
  cellule = static_cast<int32_t>(c);
  return true;
}

// Where an operand's value lies (a constant has no cell); false for an element that does not exist.
bool Situe(const Machine& m, const Resolu& r, int32_t& cellule) {
  cellule = r.Cellule;
  return !r.Element || CelluleElement(m, r.Cellule, r.Indice, r.Entier, GenreDe(r.Genre), cellule);
}

bool SitueCible(const Machine& m, const FormeRapide& f, Genre genre, int32_t& cellule) {
  cellule = f.Cible;
  return !f.CibleElement || CelluleElement(m, f.Cible, f.CibleIndice, f.CibleDecalage, genre, cellule);
}

int32_t Entier(const Machine& m, const Resolu& r, int32_t cellule) {
  return r.Genre == Sorte::Entier ? m.Valeurs.Entier(cellule) : r.Entier;
}
double Reel(const Machine& m, const Resolu& r, int32_t cellule) {
  return r.Genre == Sorte::Reel ? m.Valeurs.Reel(cellule) : r.Reel;
}
const std::string& Chaine(const Machine& m, const Resolu& r, int32_t cellule) {
  return r.Genre == Sorte::Chaine ? m.Valeurs.Chaine(cellule) : r.Texte;
}
std::string_view Texte(const Machine& m, const Resolu& r, int32_t cellule, TamponTexte& tampon) {
  return r.Genre == Sorte::Constante ? std::string_view(r.Texte) : TexteCellule(m, r.Genre, cellule, tampon);
}

// The cells of both operands; false sends the line to its text.
struct Cellules {
  int32_t Gauche = 0, Droite = 0;
};
bool SitueOperandes(const Machine& m, const FormeRapide& f, Cellules& c) {
  return Situe(m, f.Gauche, c.Gauche) && Situe(m, f.Droite, c.Droite);
}

// The value of a resolved term of a number kind, and the operation on two of them.
template <typename T>
T Nombre(const Machine& m, const Resolu& r, int32_t cellule) {
  if constexpr (std::is_same_v<T, int32_t>) return Entier(m, r, cellule);
  else return Reel(m, r, cellule);
}
template <typename T>
std::optional<T> Calcule(T a, OperateurArith operateur, T b) {
  if constexpr (std::is_same_v<T, int32_t>) return CalculeEntier(a, operateur, b);
  else return CalculeReel(a, operateur, b);
}
template <typename T>
void Range(Machine& m, int32_t cellule, T valeur) {
  if constexpr (std::is_same_v<T, int32_t>) m.Valeurs.Entier(cellule) = valeur;
  else m.Valeurs.Reel(cellule) = valeur;
}
template <typename T>
constexpr Genre kGenre = std::is_same_v<T, int32_t> ? Genre::Entier : Genre::Reel;

template <typename T>
void AffecteNombre(Machine& m, CacheLignes& lignes, const FormeRapide& f, int& Ligne) {
  Cellules c;
  int32_t cible = 0;
  if (!SitueOperandes(m, f, c) || !SitueCible(m, f, kGenre<T>, cible)) return ParLeTexte(m, lignes, Ligne);
  const auto x = Calcule<T>(Nombre<T>(m, f.Gauche, c.Gauche), f.Operateur, Nombre<T>(m, f.Droite, c.Droite));
  if (!x) return m.Erreur();
  Range<T>(m, cible, *x);
}

void AffecteChaine(Machine& m, CacheLignes& lignes, const FormeRapide& f, int& Ligne) {
  Cellules c;
  int32_t cellule = 0;
  if (!SitueOperandes(m, f, c) || !SitueCible(m, f, Genre::Chaine, cellule)) return ParLeTexte(m, lignes, Ligne);
  std::string& cible = m.Valeurs.Chaine(cellule);
  const std::string& gauche = Chaine(m, f.Gauche, c.Gauche);
  const std::string& droite = Chaine(m, f.Droite, c.Droite);
  if (gauche.size() + droite.size() > kLongueurMaxChaine) return m.Erreur("Trop de variables");
  if (&gauche == &cible && &droite != &cible) {
    cible.append(droite);  // an append grows the string in place
    return;
  }
  std::string valeur = gauche;
  valeur += droite;
  cible = std::move(valeur);
}

// The string slices whose arguments all resolved make the same cuts as their text; nothing
// when an argument's cell does not exist.
std::optional<std::string> ValeurMid(const Machine& m, const FormeRapide& f) {
  Cellules c;
  int32_t compte = 0;
  if (!SitueOperandes(m, f, c) || !Situe(m, *f.Troisieme, compte)) return std::nullopt;
  const int32_t debut = Entier(m, f.Droite, c.Droite), nombre = Entier(m, *f.Troisieme, compte);
  if (nombre <= 0) return std::string();
  return Copie(Chaine(m, f.Gauche, c.Gauche), static_cast<std::size_t>(std::max(debut, 1)),
               static_cast<std::size_t>(nombre));
}

template <bool Debut>
std::optional<std::string> ValeurExtrait(const Machine& m, const FormeRapide& f) {
  Cellules c;
  if (!SitueOperandes(m, f, c)) return std::nullopt;
  const std::string& chaine = Chaine(m, f.Gauche, c.Gauche);
  const int32_t compte = Entier(m, f.Droite, c.Droite);
  const auto n = static_cast<std::size_t>(compte);
  if (compte <= 0) return std::string();
  return Debut ? chaine.substr(0, n) : n >= chaine.size() ? chaine : Copie(chaine, chaine.size() - n + 1, 255);
}

std::optional<int32_t> ValeurLen(const Machine& m, const FormeRapide& f) {
  Cellules c;
  if (!SitueOperandes(m, f, c)) return std::nullopt;
  return static_cast<int32_t>(std::min<std::size_t>(Chaine(m, f.Gauche, c.Gauche).size(), INT32_MAX));
}

// Any other built-in function reads its arguments, Gauche's text, itself, as in the text.
template <typename T>
std::optional<T> ValeurFonction(Machine& m, const FormeRapide& f) {
  if constexpr (std::is_same_v<T, int32_t>) return FonctionsEntieres()[f.FonctionAppelee].Calcule(m, f.Gauche.Texte);
  else if constexpr (std::is_same_v<T, double>) return FonctionsReelles()[f.FonctionAppelee].Calcule(m, f.Gauche.Texte);
  else return FonctionsChaines()[f.FonctionAppelee].Calcule(m, f.Gauche.Texte);
}

// The value of a compiled call; nothing when the function failed, which it has told (the run
// then stops), or when the line is to run its text (the run goes on).
template <typename T>
std::optional<T> ValeurAppel(Machine& m, const FormeRapide& f) {
  if constexpr (std::is_same_v<T, std::string>) {
    switch (f.Appel) {
      case SorteAppel::Mid: return ValeurMid(m, f);
      case SorteAppel::Left: return ValeurExtrait<true>(m, f);
      case SorteAppel::Right: return ValeurExtrait<false>(m, f);
      default: break;
    }
  }
  if constexpr (std::is_same_v<T, int32_t>)
    if (f.Appel == SorteAppel::Len) return ValeurLen(m, f);
  return ValeurFonction<T>(m, f);
}

// NAME = function(arguments).
template <typename T>
void AffecteAppel(Machine& m, CacheLignes& lignes, const FormeRapide& f, int& Ligne) {
  int32_t cible = 0;
  if (!SitueCible(m, f, std::is_same_v<T, std::string> ? Genre::Chaine : kGenre<T>, cible))
    return ParLeTexte(m, lignes, Ligne);
  auto valeur = ValeurAppel<T>(m, f);
  if (!valeur) return SansValeur(m, lignes, Ligne);
  if constexpr (std::is_same_v<T, std::string>) {
    m.Valeurs.Chaine(cible) = std::move(*valeur);
  } else if constexpr (std::is_same_v<T, double>) {
    // The value goes through the evaluator's rounding, as a term alone does.
    const auto x = CalculeReel(*valeur, OperateurArith::Aucun, 0);
    if (!x) return m.Erreur();
    m.Valeurs.Reel(cible) = *x;
  } else {
    m.Valeurs.Entier(cible) = *valeur;
  }
}

// NAME = term op call, or call op term. The call is the form Sous, the term Gauche; calls
// change no value, so reading the term before or after gives what the text gives.
bool SitueOperationAppel(const Machine& m, const FormeRapide& f, Genre genre, int32_t& terme, int32_t& cible) {
  return Situe(m, f.Gauche, terme) && SitueCible(m, f, genre, cible);
}

template <typename T>
void AffecteNombreEtAppel(Machine& m, CacheLignes& lignes, const FormeRapide& f, int& Ligne) {
  int32_t terme = 0, cible = 0;
  if (!SitueOperationAppel(m, f, kGenre<T>, terme, cible)) return ParLeTexte(m, lignes, Ligne);
  const auto appel = ValeurAppel<T>(m, *f.Sous);
  if (!appel) return SansValeur(m, lignes, Ligne);
  const T valeur = Nombre<T>(m, f.Gauche, terme);
  const auto x = f.SousAGauche ? Calcule<T>(*appel, f.Operateur, valeur) : Calcule<T>(valeur, f.Operateur, *appel);
  if (!x) return m.Erreur();
  Range<T>(m, cible, *x);
}

void AffecteChaineEtAppel(Machine& m, CacheLignes& lignes, const FormeRapide& f, int& Ligne) {
  int32_t terme = 0, cellule = 0;
  if (!SitueOperationAppel(m, f, Genre::Chaine, terme, cellule)) return ParLeTexte(m, lignes, Ligne);
  auto appel = ValeurAppel<std::string>(m, *f.Sous);
  if (!appel) return SansValeur(m, lignes, Ligne);
  std::string& cible = m.Valeurs.Chaine(cellule);
  const std::string& valeur = Chaine(m, f.Gauche, terme);
  if (valeur.size() + appel->size() > kLongueurMaxChaine) return m.Erreur("Trop de variables");
  if (f.SousAGauche) {
    cible = std::move(*appel += valeur);
  } else if (&valeur == &cible) {
    cible.append(*appel);  // an append grows the string in place
  } else {
    std::string somme = valeur;
    cible = std::move(somme += *appel);
  }
}

bool CompareEntiers(Comparaison sorte, int32_t a, int32_t b) {
  switch (sorte) {
    case Comparaison::Egal: return a == b;
    case Comparaison::Different: return a != b;
    case Comparaison::Inferieur: return a < b;
    case Comparaison::Superieur: return a > b;
    case Comparaison::InferieurOuEgal: return a <= b;
    case Comparaison::SuperieurOuEgal: return a >= b;
  }
  return false;
}

bool Condition(const Machine& m, const FormeRapide& f, const Cellules& c) {
  if (f.ComparaisonEntiere) {
    const int32_t a = Entier(m, f.Gauche, c.Gauche);
    const int32_t b = Entier(m, f.Droite, c.Droite);
    // Non-negative integers written plainly: the longer text is the larger number, and texts
    // of one length compare as their numbers; right-aligned fields keep both true.
    if (a >= 0 && b >= 0) return CompareEntiers(f.Test, a, b);
  }
  TamponTexte tamponGauche, tamponDroite;
  return Compare(f.Test, Texte(m, f.Gauche, c.Gauche, tamponGauche), Texte(m, f.Droite, c.Droite, tamponDroite));
}

// The partner line from `depuis` on: searched once when the text stays as it is.
int Partenaire(CacheLignes& lignes, const FormeRapide& f, int64_t depuis, uint8_t cherches) {
  if (f.Partenaire >= 0) return f.Partenaire;
  const int k = ChercheLigne(lignes, depuis, cherches);
  if (lignes.Fige()) f.Partenaire = k;
  return k;
}

void Saute(Machine&, CacheLignes&, const FormeRapide& f, int& Ligne) { Ligne = f.Cible; }

void Si(Machine& m, CacheLignes& lignes, const FormeRapide& f, int& Ligne) {
  Cellules c;
  if (!SitueOperandes(m, f, c)) return ParLeTexte(m, lignes, Ligne);
  const bool vrai = Condition(m, f, c);
  if (!f.Bloc) {
    if (const int32_t cible = vrai ? f.Cible : f.Sinon; cible >= 0) Ligne = cible;
    return;
  }
  if (vrai) return;
  const int k = Partenaire(lignes, f, int64_t{Ligne} + 1, kSinonOuFinSi);
  if (k < 0) return m.Erreur("Else ou Endif non trouvé");
  Ligne = k;
}

void Sinon(Machine&, CacheLignes& lignes, const FormeRapide& f, int& Ligne) {
  if (const int k = Partenaire(lignes, f, Ligne, kFinSi); k >= 0) Ligne = k;
}

void TantQue(Machine& m, CacheLignes& lignes, const FormeRapide& f, int& Ligne) {
  Cellules c;
  if (!SitueOperandes(m, f, c)) return ParLeTexte(m, lignes, Ligne);
  if (Condition(m, f, c)) {
    // A failed push has reported itself and stops the run on the WHILE line.
    static_cast<void>(Empile(m, Ligne));
    return;
  }
  const int k = Partenaire(lignes, f, Ligne, kWend);
  if (k < 0) return m.Erreur("WHILE sans WEND");
  Ligne = k;
}

void FinTantQue(Machine& m, CacheLignes&, const FormeRapide&, int& Ligne) {
  const auto ligneWhile = Depile(m);
  if (!ligneWhile) return;
  Ligne = *ligneWhile > std::numeric_limits<int32_t>::min() ? *ligneWhile - 1 : *ligneWhile;
}

void Faire(Machine& m, CacheLignes&, const FormeRapide&, int& Ligne) { static_cast<void>(Empile(m, Ligne)); }

void Boucle(Machine& m, CacheLignes& lignes, const FormeRapide& f, int& Ligne) {
  Cellules c;
  if (!SitueOperandes(m, f, c)) return ParLeTexte(m, lignes, Ligne);
  const auto ligneDo = Depile(m);
  if (!ligneDo) return;
  SuiteLoop(m, *ligneDo, Condition(m, f, c), Ligne);
}

// NEXT with its four entries on the stack and a counter that stays in range; its text
// reports any other case.
void Suivant(Machine& m, CacheLignes& lignes, const FormeRapide&, int& Ligne) {
  const int32_t* boucle = m.Pile.Sommet(4);  // FOR line, cell, limit, step
  if (!boucle || !m.Valeurs.CelluleValide(boucle[1], Genre::Entier)) return ParLeTexte(m, lignes, Ligne);
  int32_t& compteur = m.Valeurs.Entier(boucle[1]);
  const int64_t valeur = int64_t{compteur} + boucle[3];
  if (valeur < std::numeric_limits<int32_t>::min() || valeur > std::numeric_limits<int32_t>::max())
    return ParLeTexte(m, lignes, Ligne);
  compteur = static_cast<int32_t>(valeur);
  const int32_t pas = boucle[3], limite = boucle[2];
  if ((pas > 0 && valeur > limite) || (pas < 0 && valeur < limite)) return m.Pile.Retire(4);
  Ligne = boucle[0];
}

// FOR with room for its four entries; its text reports a full stack.
void Pour(Machine& m, CacheLignes& lignes, const FormeRapide& f, int& Ligne) {
  Cellules c;
  int32_t cellulePas = 0;
  if (!SitueOperandes(m, f, c) || !Situe(m, *f.Troisieme, cellulePas) || m.Pile.Hauteur() > PileRetour::kMax - 4)
    return ParLeTexte(m, lignes, Ligne);
  const int32_t debut = Entier(m, f.Gauche, c.Gauche), limite = Entier(m, f.Droite, c.Droite);
  const int32_t pas = Entier(m, *f.Troisieme, cellulePas);
  m.Valeurs.Entier(f.Cible) = debut;
  for (int32_t entree : {static_cast<int32_t>(Ligne), f.Cible, limite, pas}) static_cast<void>(Empile(m, entree));
}

// GOSUB and CALL: a failed push has reported itself and the run stops on the target.
void Appelle(Machine& m, CacheLignes&, const FormeRapide& f, int& Ligne) {
  static_cast<void>(Empile(m, Ligne));
  Ligne = f.Cible;
}

void Revient(Machine& m, CacheLignes&, const FormeRapide&, int& Ligne) { Retour(m, Ligne); }

void Affiche(Machine& m, CacheLignes& lignes, const FormeRapide& f, int& Ligne) {
  int32_t cellule = 0;
  if (!Situe(m, f.Gauche, cellule)) return ParLeTexte(m, lignes, Ligne);
  TamponTexte tampon;
  const std::string texte(Texte(m, f.Gauche, cellule, tampon));
  m.Monde.Ecran.DessineTexte(m.Ecran.CurseurX, m.Ecran.CurseurY, texte);
  m.Ecran.Avance(m.Monde.Ecran.LargeurTexte(texte));
  if (!f.FinLigne) return;
  m.Ecran.NouvelleLigne();
  m.Monde.Ecran.FinDeLigne();
}

void EcritSurCanal(Machine& m, CacheLignes& lignes, const FormeRapide& f, int& Ligne) {
  int32_t cellule = 0;
  if (!Situe(m, f.Gauche, cellule)) return ParLeTexte(m, lignes, Ligne);
  TamponTexte tampon;
  std::string texte(Texte(m, f.Gauche, cellule, tampon));
  if (f.FinLigne) texte += kFinLigneCanal;
  EcritCanal(m, f.Cible, texte);
}

// ---- Compilation

// A subscript as Indice reads it: an INTEGER variable's cell, or a number's fixed offset.
bool ResoudIndice(const Machine& m, const std::string& texte, Resolu& r) {
  const std::string nom = Majuscules(texte);
  if (const Symbole* s = m.Symboles.Cherche(nom)) {
    if (s->Genre != Genre::Entier || !m.Valeurs.CelluleValide(s->Adresse, Genre::Entier)) return false;
    r.Indice = s->Adresse;
    return true;
  }
  const auto n = TexteVersEntier(nom);
  if (!n) return false;
  r.Indice = 0;
  r.Entier = MoinsUn(*n);
  return true;
}

// NAME(subscript) naming a declared array of kind `genre` (any variable kind for Aucun).
std::optional<Resolu> Element(const Machine& m, const NomIndice& appel, Genre genre) {
  if (!appel.Element()) return std::nullopt;
  const auto indice = appel.Indice();
  Resolu r;
  if (!indice || !ResoudIndice(m, *indice, r)) return std::nullopt;
  const Symbole* s = ChercheEtiq(m, appel.Nom);
  if (!s || !EstVariable(s->Genre) || (genre != Genre::Aucun && s->Genre != genre)) return std::nullopt;
  r.Genre = SorteDe(s->Genre);
  r.Element = true;
  r.Cellule = s->Adresse;
  return r;
}

// The place of the function `nom` in its table, or -1.
template <typename Valeur>
int PlaceDans(std::span<const Fonction<Valeur>> fonctions, const std::string& nom) {
  for (std::size_t i = 0; i < fonctions.size(); ++i)
    if (fonctions[i].Nom == nom) return static_cast<int>(i);
  return -1;
}

int PlaceFonction(const std::string& nom, Genre genre) {
  switch (genre) {
    case Genre::Entier: return PlaceDans(FonctionsEntieres(), nom);
    case Genre::Reel: return PlaceDans(FonctionsReelles(), nom);
    default: return PlaceDans(FonctionsChaines(), nom);
  }
}

// An operand as LitOperande reads it: what the resolver gives, or an array element.
std::optional<Resolu> Operande(const Machine& m, const std::string& texte) {
  Lecture lecture = ResoudOperande(m, texte);
  if (lecture.Resultat) return std::move(lecture.Resultat);
  if (lecture.Echec != EchecLecture::Aucun) return std::nullopt;
  return Element(m, CoupeNomIndice(texte), Genre::Aucun);
}

// A term the resolver leaves, as the term readers go on with it: NAME(...) calling a built-in
// function of kind `genre` (Fonction its place) or naming an array element (Fonction -1).
struct SuiteTerme {
  NomIndice Appel;
  std::string Nom;  // upper case, without the "("
  int Fonction = -1;
};

std::optional<SuiteTerme> SuiteDuTerme(const Machine& m, const std::string& texte, Genre genre) {
  const std::string terme = Trim(texte);
  if (genre != Genre::Chaine && ChercheEtiq(m, terme)) return std::nullopt;  // read as that record
  SuiteTerme suite{CoupeNomIndice(terme), {}, -1};
  if (!suite.Appel.Element()) return std::nullopt;
  suite.Nom = Majuscules(suite.Appel.Nom);
  suite.Nom.pop_back();
  suite.Fonction = PlaceFonction(suite.Nom, genre);
  return suite;
}

// A term of kind `genre` as the term readers read it: what the resolver gives, or an array
// element whose name is neither a record of its own nor a function of that kind.
std::optional<Resolu> Terme(const Machine& m, const std::string& texte, Genre genre) {
  Lecture lecture = ResoudTerme(m, texte, genre);
  if (lecture.Resultat) return std::move(lecture.Resultat);
  if (lecture.Echec != EchecLecture::Aucun) return std::nullopt;
  const auto suite = SuiteDuTerme(m, texte, genre);
  if (!suite || suite->Fonction >= 0) return std::nullopt;
  return Element(m, suite->Appel, genre);
}

// Neither resolved nor wrong: the term readers go on to names and calls.
bool Laisse(const Lecture& lecture) { return !lecture.Resultat && lecture.Echec == EchecLecture::Aucun; }

// A term calling a built-in function of kind `genre`.
std::optional<SuiteTerme> AppelDe(const Machine& m, const std::string& texte, Genre genre) {
  if (!Laisse(ResoudTerme(m, Trim(texte), genre))) return std::nullopt;
  auto suite = SuiteDuTerme(m, texte, genre);
  if (!suite || suite->Fonction < 0) return std::nullopt;
  return suite;
}

// The text before the last character, taken to be the ")".
std::string ArgumentsDe(const NomIndice& appel) {
  return appel.Apres.substr(0, appel.Apres.empty() ? 0 : appel.Apres.size() - 1);
}

// Both operands resolved; nothing when one is left to the text.
bool Resout(std::optional<Resolu> gauche, std::optional<Resolu> droite, FormeRapide& f) {
  if (!gauche || !droite) return false;
  f.Gauche = std::move(*gauche);
  f.Droite = std::move(*droite);
  return true;
}

// An INTEGER value, or a literal written as a non-negative integer without leading zero,
// whose value is then kept in Entier.
bool EntierSimple(Resolu& r) {
  if (r.Genre == Sorte::Entier) return true;
  if (r.Genre != Sorte::Constante) return false;
  const std::string& t = r.Texte;
  if (t.empty() || t.size() > 10 || (t.size() > 1 && t[0] == '0')) return false;
  if (t.find_first_not_of("0123456789") != std::string::npos) return false;
  int64_t valeur = 0;
  std::from_chars(t.data(), t.data() + t.size(), valeur);
  if (valeur > std::numeric_limits<int32_t>::max()) return false;
  r.Entier = static_cast<int32_t>(valeur);
  return true;
}

bool CompileCondition(const Machine& m, const std::string& condition, FormeRapide& f) {
  if (EstTestFinDeFichier(condition)) return false;
  const auto coupee = CoupeCondition(condition);
  if (!coupee) return false;
  f.Test = coupee->Sorte;
  if (!Resout(Operande(m, coupee->Gauche), Operande(m, coupee->Droite), f)) return false;
  const bool gauche = EntierSimple(f.Gauche);
  f.ComparaisonEntiere = EntierSimple(f.Droite) && gauche;
  return true;
}

// What follows THEN: nothing (a block IF), or the labels it jumps to, all of them declared.
bool CompileSuiteIf(const Machine& m, const std::string& apres, FormeRapide& f) {
  if (apres.empty()) {
    f.Bloc = true;
    return true;
  }
  const std::size_t sinon = Position("ELSE", apres);
  if (sinon == 0) {
    f.Cible = LigneEtiquette(m, apres);
    return f.Cible >= 0;
  }
  f.Cible = LigneEtiquette(m, Trim(apres.substr(0, sinon - 1)));
  f.Sinon = LigneEtiquette(m, Trim(Copie(apres, sinon + 5, 255)));
  return f.Cible >= 0 && f.Sinon >= 0;
}

// A STRING argument as LitChaine reads it: a literal taken as it is, or a STRING variable
// or element.
std::optional<Resolu> ArgumentChaineResolu(const Machine& m, const std::string& texte) {
  Resolu r;
  if (texte.starts_with('"')) {
    auto valeur = SansGuillemets(texte, false);
    if (!valeur) return std::nullopt;
    r.Texte = std::move(*valeur);
    return r;
  }
  const NomIndice nom = CoupeNomIndice(texte);
  if (nom.Element()) return Element(m, nom, Genre::Chaine);
  const Symbole* s = ChercheEtiq(m, texte);
  if (!s || s->Genre != Genre::Chaine || !m.Valeurs.CelluleValide(s->Adresse, Genre::Chaine)) return std::nullopt;
  r.Genre = Sorte::Chaine;
  r.Cellule = s->Adresse;
  return r;
}

// A number argument read as an operand and converted to an INTEGER: an INTEGER variable or
// element, or a constant that converts (its value kept in Entier).
std::optional<Resolu> ArgumentEntierResolu(const Machine& m, const std::string& texte) {
  auto r = Operande(m, texte);
  if (!r || r->Genre == Sorte::Entier) return r;
  if (r->Genre != Sorte::Constante) return std::nullopt;
  const auto valeur = TexteVersEntier(r->Texte);
  if (!valeur) return std::nullopt;
  r->Entier = *valeur;
  return r;
}

// MID$(s,start,count), LEFT$(s,n), RIGHT$(s,n) and LEN(s) with arguments that resolve.
bool CompileCoupe(const Machine& m, const std::string& nom, const std::string& arguments, FormeRapide& f) {
  if (nom == "LEN") {
    if (!Resout(ArgumentChaineResolu(m, arguments), Resolu{}, f)) return false;
    f.Appel = SorteAppel::Len;
    return true;
  }
  if (nom == "LEFT$" || nom == "RIGHT$") {
    const auto parties = CoupeVirgule(arguments, 3);
    if (!parties || !Resout(ArgumentChaineResolu(m, parties->Gauche), ArgumentEntierResolu(m, parties->Droite), f)) return false;
    f.Appel = nom == "LEFT$" ? SorteAppel::Left : SorteAppel::Right;
    return true;
  }
  if (nom != "MID$") return false;
  const auto premiere = CoupeVirgule(arguments);
  if (!premiere) return false;
  const auto seconde = CoupeVirgule(premiere->Droite);
  if (!seconde) return false;
  auto compte = ArgumentEntierResolu(m, seconde->Droite);
  if (!compte || !Resout(ArgumentChaineResolu(m, premiere->Gauche), ArgumentEntierResolu(m, seconde->Gauche), f)) return false;
  f.Troisieme = std::make_unique<Resolu>(std::move(*compte));
  f.Appel = SorteAppel::Mid;
  return true;
}

// A term calling a built-in function of kind `genre`, into `f`: MID$, LEFT$, RIGHT$ and LEN
// with resolved arguments as slices, any other function with its arguments' text.
bool CompileAppel(const Machine& m, const std::string& terme, Genre genre, FormeRapide& f) {
  const auto appel = AppelDe(m, terme, genre);
  if (!appel) return false;
  std::string arguments = ArgumentsDe(appel->Appel);
  if (CompileCoupe(m, appel->Nom, arguments, f)) return true;
  f.Gauche = Resolu{};
  f.Droite = Resolu{};
  f.Appel = SorteAppel::Fonction;
  f.FonctionAppelee = static_cast<uint8_t>(appel->Fonction);
  f.Gauche.Texte = std::move(arguments);
  return true;
}

FormeRapide::Fonction AffectationAppel(Genre genre) {
  return genre == Genre::Entier ? AffecteAppel<int32_t> : genre == Genre::Reel ? AffecteAppel<double> : AffecteAppel<std::string>;
}

// gauche op droite: two resolved terms, or a resolved term and a call, on either side.
bool CompileOperation(const Machine& m, const std::string& gauche, const std::string& droite, Genre genre,
                      FormeRapide& f) {
  auto premier = Terme(m, gauche, genre);
  auto second = Terme(m, droite, genre);
  if (Resout(premier, second, f)) return true;
  auto sous = std::make_unique<FormeRapide>();
  if (premier && CompileAppel(m, droite, genre, *sous)) {
    f.Gauche = std::move(*premier);
  } else if (second && CompileAppel(m, gauche, genre, *sous)) {
    f.Gauche = std::move(*second);
    f.SousAGauche = true;
  } else {
    return false;
  }
  f.Sous = std::move(sous);
  f.Executer = genre == Genre::Entier  ? AffecteNombreEtAppel<int32_t>
               : genre == Genre::Reel ? AffecteNombreEtAppel<double>
                                      : AffecteChaineEtAppel;
  return true;
}

bool CompileValeur(const Machine& m, const std::string& valeur, Genre genre, FormeRapide& f) {
  if (genre == Genre::Entier || genre == Genre::Reel) {
    const Operation operation = CoupeOperateur(valeur);
    if (operation.Operateur == OperateurArith::Aucun && CompileAppel(m, operation.Gauche, genre, f)) {
      f.Executer = AffectationAppel(genre);
      return true;
    }
    if (operation.Operateur == OperateurArith::Puissance) return false;  // fails on an operand: left to the text
    f.Operateur = operation.Operateur;
    f.Executer = genre == Genre::Entier ? AffecteNombre<int32_t> : AffecteNombre<double>;
    return CompileOperation(m, operation.Gauche, operation.Droite, genre, f);
  }
  if (genre != Genre::Chaine) return false;
  f.Executer = AffecteChaine;
  if (Trim(valeur).empty()) return Resout(Resolu{}, Resolu{}, f);
  const std::size_t plus = DernierPlusHorsGuillemets(valeur);
  if (plus == std::string::npos) {
    if (CompileAppel(m, valeur, genre, f)) {
      f.Executer = AffectationAppel(genre);
      return true;
    }
    return Resout(Terme(m, valeur, genre), Resolu{}, f);
  }
  return CompileOperation(m, valeur.substr(0, plus), Copie(valeur, plus + 2, 255), genre, f);
}

void CompileAffectation(const Machine& m, const std::string& ligne, FormeRapide& f) {
  const auto affectation = CoupeAffectation(ligne);
  if (!affectation) return;
  const NomIndice& cible = affectation->Cible;
  const Symbole* s = m.Symboles.Cherche(cible.Nom);
  if (!s) return;
  if (cible.Element()) {
    const auto indice = cible.Indice();
    Resolu r;
    if (!indice || !ResoudIndice(m, *indice, r)) return;
    f.CibleElement = true;
    f.CibleIndice = r.Indice;
    f.CibleDecalage = r.Entier;
  } else if (!m.Valeurs.CelluleValide(s->Adresse, s->Genre)) {
    return;
  }
  if (!CompileValeur(m, affectation->Valeur, s->Genre, f)) {
    f = FormeRapide{};
    return;
  }
  f.Cible = s->Adresse;
}

// PRINT operand[;]
void CompilePrint(const Machine& m, std::string texte, FormeRapide& f) {
  if (texte.empty()) return;
  f.FinLigne = texte.back() != ';';
  if (!f.FinLigne) texte.pop_back();
  if (texte.empty()) return;
  auto operande = Operande(m, texte);
  if (!operande) return;
  f.Gauche = std::move(*operande);
  f.Executer = Affiche;
}

// PRINT# n,operand[;] on channel 1-3
void CompilePrintCanal(const Machine& m, const std::string& argument, FormeRapide& f) {
  if (argument.empty() || argument[0] < '1' || argument[0] > '3') return;
  std::string operande = Trim(Copie(argument, 3, std::string::npos));
  if (operande.empty()) return;
  f.FinLigne = !operande.ends_with(';');
  if (!f.FinLigne) operande.pop_back();
  auto lu = Operande(m, operande);
  if (!lu) return;
  f.Gauche = std::move(*lu);
  f.Cible = argument[0] - '0';
  f.Executer = EcritSurCanal;
}

// FOR variable = start TO limit [STEP step], cut as its text is, each bound an operand that
// converts to an INTEGER.
void CompileFor(const Machine& m, const std::string& argument, FormeRapide& f) {
  const std::string u = Majuscules(argument);
  const std::size_t egal = u.find('=');
  if (egal == std::string::npos) return;
  const Symbole* variable = ChercheEtiq(m, Trim(u.substr(0, egal)));
  if (!variable || variable->Genre != Genre::Entier || !m.Valeurs.CelluleValide(variable->Adresse, Genre::Entier))
    return;
  const std::string bornes = u.substr(egal + 1);
  const std::size_t a = Position("TO", bornes);
  if (a == 0) return;
  const std::string reste = Copie(bornes, a + 3, 255);
  std::string limite = reste, pas = "1";
  if (const std::size_t p = Position("STEP", reste); p != 0) {
    limite = reste.substr(0, p - 1);
    pas = Copie(reste, p + 5, 255);
  }
  auto lu = ArgumentEntierResolu(m, Trim(pas));
  if (!lu || !Resout(ArgumentEntierResolu(m, Trim(bornes.substr(0, a - 1))), ArgumentEntierResolu(m, Trim(limite)), f))
    return;
  f.Troisieme = std::make_unique<Resolu>(std::move(*lu));
  f.Cible = variable->Adresse;
  f.Executer = Pour;
}

void CompileInstruction(const Machine& m, const LigneAnalysee& a, FormeRapide& f) {
  const std::string_view mot = a.Mot;
  if (mot == "GOTO" || mot == "GOSUB" || mot == "CALL") {
    f.Cible = mot == "CALL" ? LigneSub(m, a.Argument) : LigneEtiquette(m, a.Argument);
    if (f.Cible >= 0) f.Executer = mot == "GOTO" ? Saute : Appelle;
  } else if (mot == "RETURN") {
    f.Executer = Revient;
  } else if (mot == "IF") {
    const auto si = DecoupeIf(a.Argument);
    if (si && CompileCondition(m, si->Condition, f) && CompileSuiteIf(m, si->Apres, f)) f.Executer = Si;
  } else if (mot == "ELSE") {
    f.Executer = Sinon;
  } else if (mot == "WHILE") {
    if (CompileCondition(m, a.Argument, f)) f.Executer = TantQue;
  } else if (mot == "WEND") {
    f.Executer = FinTantQue;
  } else if (mot == "DO") {
    f.Executer = Faire;
  } else if (mot == "LOOP") {
    if (CompileCondition(m, a.Argument, f)) f.Executer = Boucle;
  } else if (mot == "FOR") {
    CompileFor(m, a.Argument, f);
  } else if (mot == "NEXT") {
    f.Executer = Suivant;
  } else if (mot == "PRINT") {
    CompilePrint(m, a.Argument, f);
  } else if (mot == "PRINT#") {
    CompilePrintCanal(m, a.Argument, f);
  }
}

}  // namespace

void CompileFormeRapide(const Machine& m, const LigneAnalysee& analyse, FormeRapide& forme) {
  forme = FormeRapide{};
  if (analyse.Genre == LigneAnalysee::Sorte::Affectation) CompileAffectation(m, analyse.T, forme);
  if (analyse.Genre == LigneAnalysee::Sorte::Instruction) CompileInstruction(m, analyse, forme);
  if (!forme.Executer) forme = FormeRapide{};
}

}  // namespace korvane
