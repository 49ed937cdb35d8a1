// Generated programs of the shapes compiled lines take (array elements, functions in
// assignments, GOSUB, CALL, every loop and condition form, PRINT and PRINT#), with the edge
// cases they must leave to the text, run once with compiled lines and once through the text
// alone: output, messages, files, stop lines and values must be the same bytes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "eval/Fichiers.h"
#include "interpreter/Execution.h"
#include "support/Banc.h"
#include "support/Dossier.h"

namespace korvane::test {
namespace {

const std::vector<std::string> kEntete = {
    "DIM A, B, I, J, K AS INTEGER", "DIM R, X AS REAL", "DIM S$, C$ AS STRING", "DIM T(10) AS INTEGER",
    "DIM V(4) AS REAL", "DIM U(5) AS STRING", "DIM LEN(3) AS INTEGER", "DIM N$ AS STRING",
};

// {i} an INTEGER operand, {r} a REAL one, {s} a STRING one, {q} an operator, {c} a
// comparison, {x} any operand, {e} a label.
const std::vector<std::string> kEntiers = {"A", "B", "I", "J", "K", "T(1)", "T(I)", "T(J)", "T(K)", "T(0)",
                                           "T(11)", "T(-3)", "LEN(1)", "LEN(K)", "0", "1", "2", "3", "7", "10",
                                           "-1", "-12", "007", "+5", "2147483647", "-2147483648", "t(i)", "T( I)"};
const std::vector<std::string> kReels = {"R", "X", "V(1)", "V(J)", "V(5)", "1.5", "0.1", "-2.5", "3", "1E3", "0"};
const std::vector<std::string> kChaines = {"S$", "C$", "N$", "U(1)", "U(K)", "U(6)", "\"abc\"", "\"\"",
                                           "\"e\"", "\"a\"\"b\"", "\"sans fin", "s$"};
const std::vector<std::string> kOperateurs = {"+", "-", "*", "/", "\\", "MOD", "**"};
const std::vector<std::string> kComparaisons = {"=", "<", ">", "<=", ">=", "<>"};
const std::vector<std::string> kEtiquettes = {"ICI", "LA", "NULLEPART"};

const std::vector<std::string> kInstructions = {
    "{I} = {i} {q} {i}", "{I} = {i}", "T({i}) = {i} {q} {i}", "T({i}) = T({i}) + {i}", "LEN({i}) = {i}",
    "R = {r} {q} {r}", "V({i}) = {r} {q} {r}", "X = {r}", "S$ = {s} + {s}", "U({i}) = {s}", "C$ = {s}",
    "S$ = MID$({s},{i},{i})", "C$ = MID$({s},{i})", "U({i}) = MID$({s},{i},{i})", "S$ = LEFT$({s},{i})",
    "C$ = RIGHT$({s},{i})", "S$ = LEFT$({s})", "{I} = LEN({s})", "{I} = LEN({s}) + 1", "{I} = ASC({s})",
    "{I} = INSTR({s},{s})", "{I} = VAL({s})", "{I} = ABS({i})", "R = SQR({r})", "R = ABS({r})",
    "S$ = CHR$({i})", "S$ = STR$({i})", "S$ = UCASE$({s})", "N$ = HEX$({i})", "S$ = SPACE$({i})",
    "{I} = {i} {q} LEN({s})", "{I} = {i} + ASC({s})", "{I} = {i} {q} LEN({i})", "R = {r} {q} SQR({r})",
    "V({i}) = {r} - ABS({r})", "S$ = {s} + CHR$({i})", "S$ = S$ + STR$({i})", "U({i}) = {s} + MID$({s},{i},{i})",
    "C$ = C$ + LEFT$({s},{i})", "S$ = {s} + UCASE$({s})", "S$ = MID$({s},{i},{i}) + {s}",
    "U({i}) = RIGHT$({s},{i}) + U({i})", "{I} = ABS({i}) {q} {i}", "R = SQR({r}) {q} {r}",
    "PRINT {x}", "PRINT {x};", "PRINT", "PRINT# 1,{x}", "PRINT# 1,{x};", "PRINT# 2,{x}", "PRINT# 1,",
    "GOSUB SOUS", "GOSUB {e}", "CALL PROC", "CALL RIEN", "RETURN", "GOTO {e}", "IF {x} {c} {x} THEN {e}",
    "IF {x} {c} {x} THEN {e} ELSE {e}", "ELSE", "WEND", "NEXT", "LOOP {i} {c} {i}", "DO",
};

class Generateur {
 public:
  explicit Generateur(uint32_t graine) : alea_(graine) {}

  std::vector<std::string> Programme() {
    std::vector<std::string> lignes = kEntete;
    lignes.push_back("OPEN \"O\",1,\"F1.TXT\"");
    lignes.push_back("K = " + std::to_string(Tirage(5)));
    lignes.push_back("S$ = \"abcdefghij\"");
    Bloc(lignes, 3);
    lignes.push_back("END");
    lignes.push_back("ICI:");
    Bloc(lignes, 1);
    lignes.push_back("LA:");
    lignes.push_back("SOUS:");
    Bloc(lignes, 1);
    lignes.push_back("RETURN");
    lignes.push_back("SUB PROC");
    Bloc(lignes, 1);
    lignes.push_back(Tirage(2) ? "END SUB" : "EXIT SUB");
    return lignes;
  }

 private:
  int Tirage(int n) { return static_cast<int>(alea_() % static_cast<uint32_t>(n)); }
  const std::string& Choix(const std::vector<std::string>& v) {
    return v[static_cast<std::size_t>(Tirage(static_cast<int>(v.size())))];
  }
  std::string Condition() { return Remplit(Tirage(3) ? "{i} {c} {i}" : "{s} {c} {s}"); }

  void Bloc(std::vector<std::string>& lignes, int profondeur) {
    const int nombre = 1 + Tirage(6);
    for (int i = 0; i < nombre; ++i) {
      switch (profondeur > 0 ? Tirage(9) : 0) {
        case 1: {
          const char* pas[] = {"", " STEP 2", " STEP -1", " STEP {i}", " STEP J"};
          lignes.push_back(Remplit("FOR {L} = {i} TO {i}" + std::string(pas[Tirage(5)])));
          Bloc(lignes, profondeur - 1);
          lignes.push_back(Tirage(8) ? "NEXT" : "NEXT I");
          break;
        }
        case 2:
          lignes.push_back("B = 0");
          lignes.push_back("WHILE " + Remplit("B {c} ") + std::to_string(Tirage(12)));
          lignes.push_back("B = B + 1");
          Bloc(lignes, profondeur - 1);
          if (Tirage(6) == 0) lignes.push_back("EXIT WHILE");
          lignes.push_back("WEND");
          break;
        case 3:
          lignes.push_back("DO");
          Bloc(lignes, profondeur - 1);
          lignes.push_back("A = A + 1");
          lignes.push_back(Remplit("LOOP A {c} ") + std::to_string(Tirage(15)));
          break;
        case 4:
          lignes.push_back("IF " + Condition() + " THEN");
          Bloc(lignes, profondeur - 1);
          if (Tirage(2) == 0) {
            lignes.push_back("ELSE");
            Bloc(lignes, profondeur - 1);
          }
          lignes.push_back(Tirage(3) == 0 ? "END IF" : "ENDIF");
          break;
        default:
          lignes.push_back(Remplit(Choix(kInstructions)));
          break;
      }
    }
  }

  std::string Remplit(const std::string& modele) {
    std::string sortie;
    for (std::size_t i = 0; i < modele.size(); ++i) {
      if (modele[i] == '{' && i + 2 < modele.size() && modele[i + 2] == '}') {
        switch (modele[i + 1]) {
          case 'i': sortie += Choix(kEntiers); break;
          case 'r': sortie += Choix(kReels); break;
          case 's': sortie += Choix(kChaines); break;
          case 'x': sortie += Choix(Tirage(3) == 0 ? kChaines : Tirage(4) == 0 ? kReels : kEntiers); break;
          case 'q': sortie += Choix(kOperateurs); break;
          case 'c': sortie += Choix(kComparaisons); break;
          case 'e': sortie += Choix(kEtiquettes); break;
          case 'I': sortie += Choix({"A", "J", "K", "I"}); break;
          case 'L': sortie += Choix({"I", "J", "I", "R"}); break;
        }
        i += 2;
      } else {
        sortie += modele[i];
      }
    }
    return sortie;
  }

  std::mt19937 alea_;
};

struct Trace {
  Memoire Valeurs;
  std::vector<std::string> Messages, Dessins;
  std::vector<int32_t> Pile;
  std::string Fichier;
  int Resultat = 0, Debut = 0;
  std::string Echec;
  friend bool operator==(const Trace&, const Trace&) = default;
};

std::string Contenu(const std::filesystem::path& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  std::ostringstream texte;
  texte << f.rdbuf();
  return texte.str();
}

// Runs the program from the start, then continues once from where it stopped.
Trace Lance(const std::vector<std::string>& lignes, bool revision, bool compile) {
  Banc banc;
  banc.It.IntervalleVeille = std::chrono::milliseconds(0);
  banc.Touches.ArretApres = 40;  // about 1,300 lines per run
  banc.Texte.Lignes = lignes;
  if (revision) banc.Texte.Rev = 1;
  Trace trace;
  int debut = 0;
  for (int passe = 0; passe < 2; ++passe) {
    banc.Touches.Questions = 0;
    int resultat = 0;
    try {
      Exec(banc.It, banc.Texte, debut, resultat, 0, compile);
    } catch (const EchecExecution& e) {
      trace.Echec = e.what();
    }
    trace.Resultat = resultat;
    trace.Debut = debut;
    if (resultat != kArret || !trace.Echec.empty()) break;
  }
  static_cast<void>(CloseAll(banc.It));
  trace.Valeurs = banc.It.Valeurs;
  trace.Messages = banc.Messages.Textes;
  trace.Dessins = banc.Ecran.Appels;
  trace.Pile = banc.Pile();
  trace.Fichier = Contenu("F1.TXT");
  std::filesystem::remove("F1.TXT");
  return trace;
}

class DossierCourant {
 public:
  explicit DossierCourant(const std::filesystem::path& chemin) : ancien_(std::filesystem::current_path()) {
    std::filesystem::current_path(chemin);
  }
  ~DossierCourant() { std::filesystem::current_path(ancien_); }

 private:
  std::filesystem::path ancien_;
};

TEST(FormesCompilees, DoWhatTheTextDoesByteForByte) {
  const DossierTemporaire dossier;
  const DossierCourant ici(dossier.Chemin());
  for (uint32_t graine = 1; graine <= 3000; ++graine) {
    SCOPED_TRACE("graine " + std::to_string(graine));
    const std::vector<std::string> lignes = Generateur(graine).Programme();
    const bool revision = graine % 4 != 0;  // most hosts give a revision; some compare texts
    const Trace compilee = Lance(lignes, revision, true);
    const Trace texte = Lance(lignes, revision, false);
    ASSERT_EQ(compilee, texte);
  }
}

TEST(FormesCompilees, RefuseTheStringPastTheLongestAsTheTextDoes) {
  const DossierTemporaire dossier;
  const DossierCourant ici(dossier.Chemin());
  std::vector<std::string> lignes = kEntete;
  lignes.insert(lignes.end(), {"S$ = SPACE$(16777216)", "C$ = S$ + CHR$(65)", "I = LEN(C$)", "C$ = S$ + \"ab\""});
  const Trace compilee = Lance(lignes, true, true);
  EXPECT_EQ(compilee, Lance(lignes, true, false));
  ASSERT_FALSE(compilee.Messages.empty());
  EXPECT_EQ(compilee.Messages.front(), "Trop de variables");
}

}  // namespace
}  // namespace korvane::test
