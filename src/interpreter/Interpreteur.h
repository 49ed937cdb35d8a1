#pragma once
// The interpreter: all of its state and the routines of the run loop, the pre-scan,
// the symbol table, the evaluators and every statement. It runs a program straight
// from its text and meets the world only through Peripheriques.

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "eval/Canal.h"
#include "interpreter/CacheLignes.h"
#include "interpreter/Peripheriques.h"

namespace korvane {

// Splits the argument of IF into its condition and what follows THEN; false without THEN.
bool DecoupeIf(const std::string& argument, std::string& condition, std::string& apres);

struct Symbole {
  std::string Nom;   // upper case; labels keep their ':', arrays their '('
  char Genre = 0;    // 'I', 'R', 'S', 'L', 'P', or 0 for a DIM of an unknown type
  int32_t Adresse = 0;
};

// State codes of Etat.
inline constexpr int32_t kContinue = 0;
inline constexpr int32_t kArret = 1;
inline constexpr int32_t kFin = 999;

inline constexpr int kMaxSymboles = 200;
inline constexpr int kMaxCellules = 2000;
inline constexpr int kMaxPile = 100;
inline constexpr int kHauteurLigne = 18;
inline constexpr int kLargeurColonne = 8;

class Interpreteur {
 public:
  explicit Interpreteur(Peripheriques peripheriques);
  ~Interpreteur();
  Interpreteur(const Interpreteur&) = delete;
  Interpreteur& operator=(const Interpreteur&) = delete;

  // ---- Run loop and dispatch
  // Runs from line `debut`; on a stop with Etat 1, `resultat` := 1 and `debut` := the line
  // to resume from. `pas` is read after every line: 1 stops after that line.
  void Exec(const Programme& programme, int& debut, int& resultat, const int& pas);
  void ExecLigne(const Programme& programme, std::string ligne, int& Ligne);
  // Line `index` as partner searches see it: tabs replaced, trimmed, upper-cased.
  const std::string& LigneMajuscule(const Programme& programme, int index);
  void DebutExec();
  void InitPrg(const std::string& nomFichier);
  void CloseAll();

  // ---- Pre-scan, symbol table, stores, return stack
  void PreAnalyse(const Programme& programme, int& ligneErreur);
  void RazTables();
  int ChercheSymbole(const std::string& nom) const;
  void ChercheEtiq(std::string& nom, char& genre, int32_t& adresse);
  void LitValeur(int32_t adresse, char genre, double& reel, int32_t& entier, std::string& texte);
  void EcritValeur(const std::string& texte, char genre, int32_t adresse);
  // Reads cell `adresse` + `decalage` of the store of `genre`; false (reported) when it fails.
  bool LitCelluleDecalee(int32_t adresse, int32_t decalage, char genre, double& reel, int32_t& entier,
                         std::string& texte);
  int32_t Indice(std::string texte);
  static bool TexteValide(const std::string& texte, char genre);
  void Empile(int32_t valeur);
  void Depile(int32_t& valeur);

  // ---- Values as text
  void LitOperande(std::string& texte);
  void LitChaine(std::string& texte);
  void CoupeOperateur(const std::string& expression, std::string& gauche, std::string& operateur,
                      std::string& droite) const;
  void EvalEntier(std::string& texte);
  void EvalReel(std::string& texte);
  void EvalChaine(std::string& texte);
  int32_t TermeEntier(std::string terme);
  double TermeReel(std::string terme);
  std::string TermeChaine(std::string& terme);
  void EvalCondition(std::string condition, bool& resultat);
  void Affectation(std::string& ligne);

  // ---- Files, printer and system
  void InstrOpen(std::string& texte);
  void InstrCloseCanal(std::string& texte);
  void InstrPrintCanal(std::string& texte);
  void InstrLineInputCanal(std::string& texte);
  void InstrLPrint(std::string& texte);
  void InstrMsgBox(std::string& texte);
  void InstrKill(std::string& texte);
  void InstrMkDir(std::string& texte);
  void InstrRmDir(std::string& texte);
  void InstrChDir(std::string& texte);
  // End of file of channel 1-3; throws EchecExecution when it is not open for reading.
  bool FinDeFichier(int canal);

  // ---- Screen
  void InstrCls();
  void InstrPrint(std::string& texte);
  void InstrLocate(std::string& texte);
  void InstrColor(std::string& texte);
  void InstrLine(std::string& texte);
  void InstrInput(std::string& texte);

  // ---- Control flow
  void InstrGoto(const std::string& argument, int& Ligne);
  void InstrGosub(const std::string& argument, int& Ligne);
  void InstrReturn(int& Ligne);
  void InstrCall(const std::string& argument, int& Ligne);
  void InstrExit(const Programme& programme, const std::string& argument, int& Ligne);
  void InstrIf(const Programme& programme, const std::string& argument, int& Ligne);
  void InstrElse(const Programme& programme, int& Ligne);
  void InstrFor(const std::string& argument, int& Ligne);
  void InstrNext(int& Ligne);
  void InstrWhile(const Programme& programme, const std::string& argument, int& Ligne);
  void InstrWend(int& Ligne);
  void InstrLoop(const std::string& argument, int& Ligne);
  // What IF, WHILE and LOOP do once their condition is known (shared with compiled lines).
  void SuiteIf(const Programme& programme, const std::string& apres, bool vrai, int& Ligne);
  void SuiteWhile(const Programme& programme, bool vrai, int& Ligne);
  void SuiteLoop(int32_t ligneDo, bool vrai, int& Ligne);

  // ---- Random generator of RND, reseeded by RANDOMIZE
  void Randomize();
  double Aleatoire();

  // Sets Etat to 1 and shows the message: the report of every interpreter error.
  // A literal is UTF-8 source text; a std::string is already Windows-1252 (build composed
  // messages with Cp() around their accented literal parts).
  void Erreur(const char* litteral);
  void Erreur(const std::string& message);

  // ---- State
  Peripheriques Monde;
  int32_t Etat = kContinue;
  char SeparateurDecimal = '.';
  std::string TexteParametres;  // COMMAND$
  std::string NomProgramme;

  std::array<Symbole, kMaxSymboles + 1> TableSymboles{};  // records 1-200
  int NbSymboles = 0;
  std::array<int32_t, kMaxCellules + 1> Entiers{};         // cells 1-2000
  int NbEntiers = 0;
  std::array<double, kMaxCellules + 1> Reels{};            // cells 1-2000
  int NbReels = 0;
  std::vector<std::string> Chaines{" "};                   // entry 0 is a dummy
  std::array<int32_t, kMaxPile + 1> Pile{};                 // entries 1-100
  int SommetPile = 0;

  std::array<Couleur, 16> Palette{};
  Couleur CouleurTexte{};
  int CurseurX = 0;
  int CurseurY = 0;

  std::array<Canal, 4> Canaux;  // channels 1-3; entry 0 unused
  bool ImprimanteOuverte = false;

  uint32_t Graine = 0;
  // Running time between two questions to the host whether the user wants to stop.
  std::chrono::milliseconds IntervalleVeille{20};

 private:
  void ExecuteAnalysee(const Programme& programme, const LigneAnalysee& analyse, int& Ligne);
  // Runs a cached line: its compiled form (compiled at its first run) or its analysis.
  void ExecuteEntree(const Programme& programme, CacheLignes::Entree& entree, int& Ligne);
  // A stop with state 1 that the caller resumes at `Ligne`, before running it.
  void ArreteSur(int Ligne, int& debut, int& resultat);
  CacheLignes Cache;

  void DeclareEtiq(const std::string& nom, char genre, int ligne);
  void DeclareDim(const std::string& texte);
  void DeclareVar(std::string item, char genre);
  bool Alloue(char genre, int32_t taille, int32_t& adresse);
  bool CelluleValide(int32_t adresse, char genre) const;
  bool LitNomIndice(const std::string& texte, std::string& nom, std::string& indice, int32_t& decalage);
};

}  // namespace korvane
