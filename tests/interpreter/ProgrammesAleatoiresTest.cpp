// Random programs built from fragments of the dialect, valid and broken: whatever the text,
// a run must end (bounded by the host's stop request) without a crash, a leak, undefined
// behaviour or any exception other than the interpreter's own unhandled failure.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "eval/Fichiers.h"
#include "interpreter/Execution.h"
#include "interpreter/PreAnalyse.h"
#include "support/Banc.h"
#include "support/Dossier.h"

namespace korvane::test {
namespace {

const std::vector<std::string> kEntete = {
    "DIM A, B, I AS INTEGER", "DIM R, X AS REAL",     "DIM S$, F$ AS STRING",
    "DIM T(10) AS INTEGER",   "DIM U(5) AS STRING",   "DIM V(3) AS REAL",
};

// {O} an operand, {N} a number, {E} a label name, {C} a comparison operator, {Q} an operator.
const std::vector<std::string> kFragments = {
    "A = {O} {Q} {O}", "B = {O}", "R = {O} {Q} {O}", "X = {N}", "S$ = {O} + {O}", "S$ = {O}",
    "T({O}) = {O}", "U({N}) = {O}", "V(A) = R {Q} X", "PRINT {O}", "PRINT {O};", "PRINT", "LPRINT {O}",
    "LPRINT {O};", "LOCATE {O},{O}", "COLOR {O},{O}", "LINE ({N},{N})-({N},{N})", "LINE ({N},{N})-({N},{N}),B",
    "INPUT A", "INPUT S$", "CLS", "GOTO {E}", "GOSUB {E}", "RETURN", "CALL P{N}", "END SUB", "EXIT SUB",
    "EXIT FOR", "EXIT WHILE", "EXIT DO", "IF {O} {C} {O} THEN", "IF {O} {C} {O} THEN {E}",
    "IF {O} {C} {O} THEN {E} ELSE {E}", "ELSE", "ENDIF", "END IF", "FOR I = {O} TO {O}",
    "FOR I = {O} TO {O} STEP {O}", "FOR A = 1 TO 2000000000", "NEXT", "NEXT I", "WHILE {O} {C} {O}", "WEND",
    "WHILE NOT EOF({N})", "DO", "LOOP {O} {C} {O}", "OPEN \"O\",{N},\"F{N}.TXT\"", "OPEN \"I\",{N},\"F{N}.TXT\"",
    "OPEN \"I\",1,F$", "CLOSE# {N}", "PRINT# {N},{O}", "PRINT# {N},{O};", "LINE INPUT# {N},S$", "MSGBOX {O}",
    "KILL \"F{N}.TXT\"", "MKDIR \"D{N}\"", "RMDIR \"D{N}\"", "CHDIR \"D{N}\"", "RANDOMIZE", "END", "REM {O}",
    "' {O}", "NOP", "{E}:", "SUB P{N}", "DIM Z AS INTEGER", "A = LEN({O})", "A = INSTR({O},{O})",
    "A = ASC({O})", "A = VAL({O})", "A = ABS({O})", "A = INT({O})", "R = SQR({O})", "R = LOG({O})",
    "R = EXP({O})", "R = SIN({O})", "R = RND", "S$ = LEFT$({O},{N})", "S$ = RIGHT$({O},{N})",
    "S$ = MID$({O},{N},{N})", "S$ = CHR$({O})", "S$ = SPACE$({N})", "S$ = STRING$({N},{O})",
    "S$ = STR$({O})", "S$ = HEX$({O})", "S$ = UCASE$({O})", "S$ = LCASE$({O})", "S$ = TIME$",
    "S$ = DATE$", "S$ = COMMAND$", "S$ = INKEY$", "A = {O} MOD {O}", "A = {O} \\ {O}", "A = {O} / {O}",
    "A = {O} ** {O}", "X = {O} MOD {O}",
};

const std::vector<std::string> kOperandes = {
    "A", "B", "I", "R", "X", "S$", "F$", "T(1)", "T(A)", "T(0)", "T(11)", "T(-5)", "T(2001)", "U(1)",
    "U(B)", "V(3)", "T(", "T(X)", "Z", "\"texte\"", "\"\"", "\"a\"\"b\"", "\"sans fin", "0", "1", "-1",
    "007", "1.5", "-0", "2147483647", "-2147483648", "99999999999", "1E38", "1E39", "1E-40", "$FF",
    "3*4", "", " ", "(A)", "A$+B$", "RND", "TIME$", "INKEY$", "LEN(S$)", "MID$(S$,1,2)", "CHR$(65)",
    "SPACE$(2000000000)", "STRING$(99999999,65)", "\xBB", "\xE9t\xE9", "::", "1..2", "+-", "12AB",
};

// Statements that neither jump nor open a block.
// {i}, {r}, {s}: an operand of that type; {q} a sound operator, {c} a comparison.
const std::vector<std::string> kInstructionsSimples = {
    "A = {i} {q} {i}", "B = {i} {q} {i}", "R = {r} {q} {r}", "X = {r}", "S$ = {s} + {s}", "S$ = {s}",
    "T({i}) = {i}", "PRINT {i}", "PRINT {s};", "PRINT {r}", "LPRINT {s}", "LOCATE {i},{i}", "COLOR {i},{i}",
    "A = LEN({s})", "S$ = MID$({s},2,3)", "S$ = STR$({i})", "R = RND", "INPUT S$", "REM {O}"};
const std::vector<std::string> kEntiersSains = {"A", "B", "I", "T(1)", "T(A)", "0", "1", "2", "3", "10", "-1"};
const std::vector<std::string> kReelsSains = {"R", "X", "1.5", "2", "0.1", "-3"};
const std::vector<std::string> kChainesSaines = {"S$", "F$", "U(1)", "\"texte\"", "\"\""};
const std::vector<std::string> kOperateursSains = {"+", "-", "*", "/", "\\", "MOD"};
const std::vector<std::string> kComparaisonsSaines = {"=", "<", ">", "<=", ">=", "<>"};

// Most operands are sound, so that runs go on long enough to meet loops and jumps.
const std::vector<std::string> kOperandesSains = {"A", "B", "I", "R", "X", "S$", "T(1)", "T(A)", "U(1)", "V(2)",
                                                  "\"texte\"", "\"\"", "0", "1", "-1", "2", "10", "007", "1.5"};

const std::vector<std::string> kNombres = {"0", "1", "2", "3", "4", "-1", "10", "255", "256", "2000",
                                           "2147483647", "-2147483648", "99999999999", "1E10", "x"};
const std::vector<std::string> kEtiquettes = {"DEBUT", "FIN", "BOUCLE", "AILLEURS"};
const std::vector<std::string> kComparaisons = {"=", "<", ">", "<=", ">=", "<>", "==", ""};
const std::vector<std::string> kOperateurs = {"+", "-", "*", "/", "\\", "MOD", "**", ""};

class Generateur {
 public:
  explicit Generateur(uint32_t graine, std::vector<std::string> fragments = kFragments)
      : alea_(graine), fragments_(std::move(fragments)) {}

  // Half the programs are lines drawn at random; the other half nest well-formed blocks, so
  // that runs go deep into loops, branches and subroutines before anything stops them.
  std::vector<std::string> Programme() {
    std::vector<std::string> lignes;
    if (Tirage(2) == 0) {
      if (Tirage(8) != 0) lignes = kEntete;
      const int nombre = 1 + Tirage(40);
      for (int i = 0; i < nombre; ++i) lignes.push_back(Ligne());
      return lignes;
    }
    lignes = kEntete;
    Bloc(lignes, 3);
    lignes.push_back("END");
    lignes.push_back("SOUS:");
    Bloc(lignes, 1);
    lignes.push_back("RETURN");
    return lignes;
  }

 private:
  int Tirage(int n) { return static_cast<int>(alea_() % static_cast<uint32_t>(n)); }
  const std::string& Choix(const std::vector<std::string>& v) { return v[static_cast<std::size_t>(Tirage(static_cast<int>(v.size())))]; }

  std::string Ligne() {
    switch (Tirage(40)) {
      case 0: return Octets();
      case 1: return std::string(static_cast<std::size_t>(250 + Tirage(400)), "AB\" ,(9"[Tirage(7)]);
      case 2: return "\xBB" + Remplit(Choix(fragments_));
      case 3: return "\t" + Remplit(Choix(fragments_)) + "  \t";
      default: return Remplit(Choix(fragments_));
    }
  }

  void Bloc(std::vector<std::string>& lignes, int profondeur) {
    const int nombre = 1 + Tirage(6);
    for (int i = 0; i < nombre; ++i) {
      switch (profondeur > 0 ? Tirage(8) : 0) {
        case 1:
          lignes.push_back("FOR I = 1 TO " + std::to_string(Tirage(20)));
          Bloc(lignes, profondeur - 1);
          lignes.push_back("NEXT");
          break;
        case 2:
          lignes.push_back("B = 0");
          lignes.push_back("WHILE B < " + std::to_string(Tirage(20)));
          lignes.push_back("B = B + 1");
          Bloc(lignes, profondeur - 1);
          lignes.push_back("WEND");
          break;
        case 3:
          lignes.push_back("DO");
          Bloc(lignes, profondeur - 1);
          lignes.push_back("A = A + 1");
          lignes.push_back("LOOP A > " + std::to_string(Tirage(20)));
          break;
        case 4:
          lignes.push_back(Remplit(Tirage(2) == 0 ? "IF {i} {c} {i} THEN" : "IF {s} {c} {s} THEN"));
          Bloc(lignes, profondeur - 1);
          if (Tirage(2) == 0) {
            lignes.push_back("ELSE");
            Bloc(lignes, profondeur - 1);
          }
          lignes.push_back(Tirage(2) == 0 ? "ENDIF" : "END IF");
          break;
        case 5:
          lignes.push_back("GOSUB SOUS");
          break;
        default:
          lignes.push_back(Tirage(10) == 0 ? Ligne() : Remplit(Choix(kInstructionsSimples)));
          break;
      }
    }
  }

  std::string Octets() {
    std::string texte;
    const int longueur = Tirage(60);
    for (int i = 0; i < longueur; ++i) texte += static_cast<char>(Tirage(256));
    return texte;
  }

  std::string Remplit(const std::string& modele) {
    std::string sortie;
    for (std::size_t i = 0; i < modele.size(); ++i) {
      if (modele[i] == '{' && i + 2 < modele.size() && modele[i + 2] == '}') {
        switch (modele[i + 1]) {
          case 'O': sortie += Choix(Tirage(6) == 0 ? kOperandes : kOperandesSains); break;
          case 'N': sortie += Choix(kNombres); break;
          case 'E': sortie += Choix(kEtiquettes); break;
          case 'C': sortie += Choix(kComparaisons); break;
          case 'Q': sortie += Choix(kOperateurs); break;
          case 'i': sortie += Choix(kEntiersSains); break;
          case 'r': sortie += Choix(kReelsSains); break;
          case 's': sortie += Choix(kChainesSaines); break;
          case 'q': sortie += Choix(kOperateursSains); break;
          case 'c': sortie += Choix(kComparaisonsSaines); break;
        }
        i += 2;
      } else {
        sortie += modele[i];
      }
    }
    return sortie;
  }

  std::mt19937 alea_;
  std::vector<std::string> fragments_;
};

// Runs one program from the start, then continues twice from wherever it stopped.
void LanceSansDanger(uint32_t graine) {
  Banc banc;
  banc.It.IntervalleVeille = std::chrono::milliseconds(0);
  banc.Touches.ArretApres = 20;  // about 640 lines per run
  banc.Touches.Touches = {"k", "\xE9"};
  banc.Texte.Lignes = Generateur(graine).Programme();
  int debut = 0;
  for (int passe = 0; passe < 3; ++passe) {
    int resultat = 0;
    banc.Touches.Questions = 0;
    try {
      Exec(banc.It, banc.Texte, debut, resultat, 0);
    } catch (const EchecExecution&) {
      // The interpreter's own unhandled failure: an allowed end of a run.
    }
    if (resultat != kArret) break;
  }
  static_cast<void>(CloseAll(banc.It));
}

class DossierCourant {
 public:
  explicit DossierCourant(const std::string& chemin) : ancien_(std::filesystem::current_path()) {
    std::filesystem::current_path(chemin);
  }
  ~DossierCourant() { std::filesystem::current_path(ancien_); }

 private:
  std::filesystem::path ancien_;
};

TEST(ProgrammesAleatoires, NoRunCrashesHangsOrLeaks) {
  const DossierTemporaire dossier;
  const DossierCourant ici(dossier.Chemin());
  for (uint32_t graine = 1; graine <= 1500; ++graine) {
    SCOPED_TRACE("graine " + std::to_string(graine));
    const std::filesystem::path retour = std::filesystem::current_path();
    LanceSansDanger(graine);
    std::filesystem::current_path(retour);  // CHDIR must not carry over to the next program
  }
}

// Statements whose effects stay inside the interpreter and its fakes.
std::vector<std::string> FragmentsSansFichiers() {
  std::vector<std::string> retenus;
  for (const std::string& f : kFragments) {
    const bool fichier = f.find("OPEN") != std::string::npos || f.find("CLOSE") != std::string::npos ||
                         f.find('#') != std::string::npos || f.find("DIR") != std::string::npos ||
                         f.find("KILL") != std::string::npos || f.find("EOF") != std::string::npos;
    if (!fichier) retenus.push_back(f);
  }
  return retenus;
}

struct Trace {
  Memoire Valeurs;
  std::vector<std::string> Messages, Dessins, Impression;
  std::vector<int32_t> Pile;
  int32_t Etat;
  bool Echec;
  friend bool operator==(const Trace&, const Trace&) = default;
};

Trace Releve(const Banc& banc, bool echec) {
  return {banc.It.Valeurs, banc.Messages.Textes, banc.Ecran.Appels, banc.Printer.Journal, banc.Pile(),
          banc.It.Etat, echec};
}

// The run loop with its per-line cache and compiled lines must do exactly what the text of
// each line does: the same program is run by Exec and by a plain loop over ExecLigne.
TEST(ProgrammesAleatoires, CompiledLinesBehaveLikeTheirText) {
  constexpr int kQuestions = 30;
  const std::vector<std::string> fragments = FragmentsSansFichiers();
  for (uint32_t graine = 1; graine <= 1500; ++graine) {
    SCOPED_TRACE("graine " + std::to_string(graine));
    const std::vector<std::string> lignes = Generateur(graine, fragments).Programme();

    Banc compile;
    // Half of the runs from a host that gives a revision: each line is then read once.
    if (graine % 2 == 0) compile.Texte.Rev = 0;
    compile.It.IntervalleVeille = std::chrono::milliseconds(0);
    compile.Touches.ArretApres = kQuestions;
    bool echecCompile = false;
    try {
      compile.Lance(lignes);
    } catch (const EchecExecution&) {
      echecCompile = true;
    }

    Banc texte;
    texte.Touches.ArretApres = kQuestions;
    bool echecTexte = false;
    texte.Texte.Lignes = lignes;
    try {
      static_cast<void>(PreAnalyse(texte.It, texte.Texte));  // a failure leaves Etat at 1
      for (int Ligne = 0, n = 0; texte.It.Etat == kContinue && Ligne >= 0 && Ligne < texte.Texte.NbLignes() &&
                                 !lignes[static_cast<std::size_t>(Ligne)].starts_with('\xBB');) {
        // Asked as Exec asks before every 32nd line; a cancelled INPUT asks too.
        if (++n % 32 == 0 && texte.Touches.ArretDemande()) break;
        ExecLigne(texte.It, texte.Texte, lignes[static_cast<std::size_t>(Ligne)], Ligne);
        if (texte.It.Etat == kContinue) ++Ligne;
      }
    } catch (const EchecExecution&) {
      echecTexte = true;
    }
    // Exec ends a stopped run with state 1 whatever stopped it; compare what was done.
    Trace a = Releve(compile, echecCompile), b = Releve(texte, echecTexte);
    a.Etat = b.Etat = 0;
    ASSERT_EQ(a, b);
  }
}

}  // namespace
}  // namespace korvane::test
