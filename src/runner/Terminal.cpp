#include "runner/Terminal.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <istream>
#include <ostream>

#include "base/Texte.h"
#include "base/EchecExecution.h"

namespace korvane {

void EcranTerminal::DessineTexte(int, int, const std::string& texte) { sortie_ << Cp1252VersUtf8(texte); }

void EcranTerminal::Rectangle(int x1, int y1, int, int) {
  // Only CLS paints from the corner; a terminal clears itself instead.
  if (estTerminal_ && x1 == 0 && y1 == 0) sortie_ << "\x1b[2J\x1b[H";
}

void EcranTerminal::ChangeCouleurTexte(Couleur couleur) {
  if (estTerminal_)
    sortie_ << "\x1b[38;2;" << int{couleur.Rouge} << ';' << int{couleur.Vert} << ';' << int{couleur.Bleu} << 'm';
}

void EcranTerminal::FinDeLigne() { sortie_ << '\n'; }

void EcranTerminal::DessineSaisie(int, int, const std::string& texte) {
  if (!entreeTerminal_) sortie_ << Cp1252VersUtf8(texte) << '\n';
}

bool SaisieTerminal::Saisit(int, int, int, std::string& texte) {
  std::string ligne;
  if (!std::getline(entree_, ligne)) ligne.clear();
  if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
  texte = EstUtf8Valide(ligne) ? Utf8VersCp1252(ligne) : ligne;
  return true;
}

void MessagesTerminal::Affiche(const std::string& texte) {
  sortie_.flush();  // keeps the order of output and messages on a shared terminal
  erreurs_ << Cp1252VersUtf8(texte) << '\n' << std::flush;
}

std::ostream& ImprimanteTerminal::Flux() { return fichier_.empty() ? sortie_ : page_; }

void ImprimanteTerminal::DebutTravail() {
  if (fichier_.empty()) return;
  page_.open(fichier_, std::ios::binary | std::ios::trunc);
  if (!page_) throw EchecExecution(Message("Impossible d'ouvrir l'imprimante ") + Utf8VersCp1252(fichier_));
}

void ImprimanteTerminal::Ecrit(const std::string& texte) {
  Flux() << Cp1252VersUtf8(texte) << std::flush;
  if (!Flux()) throw EchecExecution("Erreur d'écriture sur l'imprimante");
}

void ImprimanteTerminal::FinLigne() {
  Flux() << '\n';
  if (!Flux()) throw EchecExecution("Erreur d'écriture sur l'imprimante");
}

void ImprimanteTerminal::FinTravail() {
  Flux().flush();
  const bool reussi = static_cast<bool>(Flux());
  if (!fichier_.empty()) page_.close();
  if (!reussi) throw EchecExecution("Erreur d'écriture sur l'imprimante");
}

namespace {
std::string Formate(const char* format) {
  const std::time_t maintenant = std::time(nullptr);
  std::tm local{};
  localtime_r(&maintenant, &local);
  char tampon[32];
  std::strftime(tampon, sizeof tampon, format, &local);
  return tampon;
}
}  // namespace

std::string HorlogeSysteme::TexteHeure() { return Formate("%H:%M:%S"); }
std::string HorlogeSysteme::TexteDate() { return Formate("%d/%m/%Y"); }

int64_t HorlogeSysteme::MillisecondesUtcDuJour() {
  using namespace std::chrono;
  const auto depuisEpoque = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
  return depuisEpoque % (24LL * 3600 * 1000);
}

}  // namespace korvane
