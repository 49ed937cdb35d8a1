// korvane-run used as a hostile user would: odd files, closed or full outputs, signals,
// memory limits. Each case is a shell script run in a fresh folder holding the programs
// below, with $R naming korvane-run and `guette PID CONDITION` polling CONDITION PID until it
// holds; after 10 seconds it kills the process and the script ends with status 99. The
// conditions: `pret`, the process is korvane-run and catches SIGINT (a signal sent earlier
// would find the shell's handling); `bloque`, it waits in a read or write; `ecrit`, its
// output file o is not empty.
#include <gtest/gtest.h>

#include <string>

#include "runner/Runner.h"
#include "support/Commande.h"
#include "support/Dossier.h"
#include "support/NomDeCas.h"

namespace korvane {
namespace {

struct Fixture {
  const char* nom;
  const char* source;
};

const Fixture kProgrammes[] = {
    {"boucle.bas", "PRINT \"bonjour\"\r\nDIM I AS INTEGER\r\nDEBUT:\r\nI = I + 1\r\nGOTO DEBUT\r\n"},
    {"saisie.bas", "DIM A AS STRING\r\nPRINT \"avant\"\r\nINPUT A\r\nPRINT \"apres\"\r\n"},
    {"masse.bas", "DIM I AS INTEGER\r\nFOR I = 1 TO 100000\r\nPRINT I\r\nNEXT\r\n"},
    {"canal.bas", "OPEN \"O\",1,\"TUBE\"\r\nDEBUT:\r\nPRINT# 1,\"0123456789012345678901234567890123456789\"\r\n"
                  "GOTO DEBUT\r\n"},
    {"lprint.bas", "DEBUT:\r\nLPRINT \"0123456789012345678901234567890123456789\"\r\nGOTO DEBUT\r\n"},
    {"une-ligne.bas", "LPRINT \"x\"\r\n"},
    {"couleur.bas", "COLOR 4,0\r\nPRINT \"rouge\"\r\n"},
    {"controle.bas", "DIM A AS STRING\r\nA = CHR$(27) + \"[2J\"\r\nMSGBOX A\r\n"},
    // Every variable grows to the string limit: far more than the memory left to the run.
    {"memoire.bas", "DIM A AS STRING\r\nDIM B AS STRING\r\nDIM C AS STRING\r\nDIM D AS STRING\r\n"
                    "DIM E AS STRING\r\nDIM F AS STRING\r\nDIM G AS STRING\r\nDIM H AS STRING\r\n"
                    "A = SPACE$(16000000)\r\nB = A\r\nC = A\r\nD = A\r\nE = A\r\nF = A\r\nG = A\r\nH = A\r\n"},
};

struct CasHostile {
  const char* nom;
  const char* script;
  int statut;
  std::string erreur;  // the first line of stderr starts with it
  std::string sortie;  // stdout holds it
  bool sousLimiteMemoire = false;
};

const CasHostile kCas[] = {
    {"file missing", "$R absent.bas", kSortieFichier, "absent.bas : fichier introuvable", ""},
    {"file is a folder", "mkdir d; $R d", kSortieFichier, "d : c'est un dossier", ""},
    {"file is a device", "$R /dev/zero", kSortieFichier, "/dev/zero : ce n'est pas un fichier ordinaire", ""},
    {"file is a FIFO", "mkfifo f; $R f", kSortieFichier, "f : ce n'est pas un fichier ordinaire", ""},
    {"file too large", "truncate -s 16777217 g.bas; $R g.bas", kSortieFichier,
     "g.bas : fichier trop grand (plus de 16 Mio)", ""},
    {"too many lines", "head -c 1000001 /dev/zero | tr '\\0' '\\n' > l.bas; $R l.bas", kSortieFichier,
     "l.bas : fichier trop long (plus de 1 000 000 lignes)", ""},
    {"control bytes in a file name", "$R \"$(printf 'a\\033[2Jb')\"", kSortieFichier,
     "a\\x1B[2Jb : fichier introuvable", ""},
    {"control bytes in a message", "$R controle.bas", kSortieFin, "\\x1B[2J\n", ""},
    {"no file", "$R", kSortieUsage, "korvane-run : aucun fichier indiqué", ""},
    {"unknown option", "$R --vite boucle.bas", kSortieUsage, "korvane-run : option inconnue « --vite »", ""},
    {"digit as separator", "$R --decimal-separator 1 boucle.bas", kSortieUsage,
     "korvane-run : séparateur décimal non valide « 1 »", ""},
    {"stdout full", "$R masse.bas > /dev/full", kSortieEchec,
     "Erreur d'écriture sur la sortie standard : disque plein", ""},
    {"stdout closed", "$R masse.bas >&-", kSortieEchec,
     "Erreur d'écriture sur la sortie standard : descripteur fermé ou en lecture seule", ""},
    {"reader gone, SIGPIPE ignored", "trap '' PIPE; { $R masse.bas; echo $? > s; } | head -c 1 > /dev/null; exit $(cat s)",
     kSortieEchec, "Erreur d'écriture sur la sortie standard : plus personne ne lit", ""},
    {"printer FIFO without reader", "mkfifo p; $R --printer p lprint.bas", kSortieEchec,
     "Impossible d'ouvrir l'imprimante ", ""},
    {"printer full when the job ends", "$R --printer /dev/full une-ligne.bas", kSortieEchec,
     "Erreur d'écriture sur l'imprimante : disque plein\n", ""},
    {"printer named from the starting folder",
     "mkdir d; printf 'CHDIR \"d\"\\r\\nLPRINT \"x\"\\r\\n' > c.bas; $R --printer p.txt c.bas; cat p.txt", 0, "", "x\n"},
    {"INPUT line over the string limit", "head -c 16777300 /dev/zero | tr '\\0' a | $R saisie.bas", kSortieArret,
     "Trop de variables", "avant\n"},
    {"stdin is a folder", "mkdir d; $R saisie.bas < d", kSortieEchec,
     "Erreur de lecture sur l'entrée standard : c'est un dossier\n", "avant\n"},
    {"output reaches a file before a timeout", "timeout 1 $R boucle.bas > o; s=$?; cat o; exit $s", 124,
     "Arrêt à la ligne ", "bonjour\n"},
    {"output reaches a pipe while the run goes on",
     "mkfifo o; $R boucle.bas > o & p=$!; head -c 8 < o; kill -TERM $p; wait $p", kSortieArret,
     "Arrêt à la ligne ", "bonjour\n"},
    // The shell holds each FIFO open for reading and writing (fd 3) without reading it, so
    // that no step waits for a partner.
    {"SIGINT during INPUT on a FIFO",
     "mkfifo e; exec 3<>e; $R saisie.bas < e & p=$!; guette $p pret; guette $p bloque; kill -INT $p; wait $p", kSortieArret,
     "Arrêt à la ligne 3", "avant\n"},
    {"SIGHUP stops a loop",
     "$R boucle.bas > o & p=$!; guette $p pret; guette $p ecrit; kill -HUP $p; wait $p; r=$?; cat o; exit $r",
     kSortieArret,
     "Arrêt à la ligne ", "bonjour\n"},
    {"SIGINT while PRINT# waits on a FIFO",
     "mkfifo TUBE; exec 3<>TUBE; $R canal.bas & p=$!; guette $p pret; guette $p bloque; kill -INT $p; "
     "cat <&3 > /dev/null & c=$!; "
     "wait $p; r=$?; kill $c; exit $r",
     kSortieArret, "Arrêt à la ligne ", ""},
    {"SIGTERM while LPRINT waits on a FIFO",
     "mkfifo tube; exec 3<>tube; $R --printer tube lprint.bas & p=$!; guette $p pret; guette $p bloque; kill -TERM $p; "
     "cat <&3 > /dev/null & c=$!; wait $p; r=$?; kill $c; exit $r",
     kSortieArret, "Arrêt à la ligne ", ""},
    {"a stopped run gives up a reader that never reads",
     "mkfifo tube; exec 3<>tube; $R --printer tube lprint.bas & p=$!; guette $p pret; guette $p bloque; kill -INT $p; "
     "wait $p",
     kSortieEchec, "Écriture sur l'imprimante abandonnée", ""},
    {"colour reset on a terminal", "script -qec \"$R couleur.bas\" /dev/null", 0, "", "rouge\r\n\x1b[0m"},
    {"memory exhausted by strings", "ulimit -v 100000; $R memoire.bas", kSortieEchec, "Mémoire insuffisante", "",
     true},
    {"memory exhausted by the program file",
     "yes 'PRINT 12345678' | head -n 1000000 > m.bas; ulimit -v 40000; $R m.bas", kSortieEchec,
     "Mémoire insuffisante", "", true},
};

class Hostile : public testing::TestWithParam<CasHostile> {};

TEST_P(Hostile, EndsWithTheRightStatusAndMessage) {
  const CasHostile& cas = GetParam();
#if defined(__SANITIZE_ADDRESS__)
  // The sanitizers reserve far more address space than any limit of these cases.
  if (cas.sousLimiteMemoire) GTEST_SKIP();
#endif
  const test::DossierTemporaire dossier;
  for (const Fixture& f : kProgrammes) test::EcritFichier(dossier.Chemin() / f.nom, f.source);
  const test::Commande resultat =
      test::Lance("cd " + test::Citation(dossier.Chemin().string()) + " && R=" + test::Citation(KORVANE_RUN_PATH) +
                      " && guette() { fin=$(($(date +%s) + 10)); until $2 $1 2> /dev/null; do"
                      " if [ $(date +%s) -gt $fin ]; then kill -KILL $1; exit 99; fi; sleep 0.02; done; }"
                      " && pret() { [ \"$(cat /proc/$1/comm)\" = korvane-run ] &&"
                      " [ $(( 0x$(awk '/^SigCgt/ {print $2}' /proc/$1/status) & 2 )) -ne 0 ]; }"
                      " && bloque() { [ \"$(cut -d ' ' -f 3 /proc/$1/stat)\" = S ]; }"
                      " && ecrit() { [ -s o ]; }"
                      " && { " + cas.script + "; }",
                  "");
  EXPECT_EQ(resultat.Statut, cas.statut) << resultat.Erreurs;
  EXPECT_TRUE(resultat.Erreurs.starts_with(cas.erreur)) << resultat.Erreurs;
  EXPECT_NE(resultat.Sortie.find(cas.sortie), std::string::npos) << resultat.Sortie;
}

INSTANTIATE_TEST_SUITE_P(KorvaneRun, Hostile, testing::ValuesIn(kCas),
                         [](const auto& info) { return test::NomDeCas(info.index, info.param.nom); });

}  // namespace
}  // namespace korvane
