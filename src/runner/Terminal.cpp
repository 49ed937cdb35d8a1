#include "runner/Terminal.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "base/Calcul.h"
#include "base/EchecExecution.h"
#include "base/ErreurSysteme.h"
#include "base/Texte.h"
#include "runner/Signaux.h"

namespace korvane {

namespace {

Message Raison(const Message& quoi, int erreur) { return quoi + Utf8VersCp1252(" : " + TexteErreurSysteme(erreur)); }

// A refused write ends the run; an interrupted one keeps its bytes for the final flush.
void Verifie(Issue issue, const SortieTamponnee& sortie) {
  if (issue == Issue::Echouee) throw EchecExecution(Raison("Erreur d'écriture sur la sortie standard", sortie.Erreur()));
}

void AjouteEchappe(std::string& sortie, const char* format, unsigned code) {
  char tampon[8];
  std::snprintf(tampon, sizeof tampon, format, code);
  sortie += tampon;
}

}  // namespace

std::string SansControles(std::string_view utf8) {
  std::string sortie;
  sortie.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto octet = static_cast<unsigned char>(utf8[i]);
    const auto suivant = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0u;
    if (octet < 0x20 || octet == 0x7F) {
      AjouteEchappe(sortie, "\\x%02X", octet);
    } else if (octet == 0xC2 && suivant >= 0x80 && suivant <= 0x9F) {
      AjouteEchappe(sortie, "\\u%04X", suivant);
      ++i;
    } else {
      sortie += static_cast<char>(octet);
    }
  }
  return sortie;
}

void EcranTerminal::Ecrit(std::string_view octets) { Verifie(sortie_.Ajoute(octets), sortie_); }

void EcranTerminal::DessineTexte(int, int, const std::string& texte) { Ecrit(Cp1252VersUtf8(texte)); }

void EcranTerminal::Rectangle(int x1, int y1, int, int) {
  // Only CLS paints from the corner; a terminal clears itself instead.
  if (estTerminal_ && x1 == 0 && y1 == 0) Ecrit("\x1b[2J\x1b[H");
}

void EcranTerminal::ChangeCouleurTexte(Couleur couleur) {
  if (!estTerminal_) return;
  Ecrit("\x1b[38;2;" + std::to_string(couleur.Rouge) + ';' + std::to_string(couleur.Vert) + ';' +
        std::to_string(couleur.Bleu) + 'm');
  couleurChangee_ = true;
}

void EcranTerminal::FinDeLigne() {
  Ecrit("\n");
  if (estTerminal_) Vide();
}

void EcranTerminal::DessineSaisie(int, int, const std::string& texte) {
  if (!entreeTerminal_) Ecrit(Cp1252VersUtf8(texte) + '\n');
}

void EcranTerminal::Veille() { Verifie(sortie_.VideSiAncien(), sortie_); }
void EcranTerminal::Vide() { Verifie(sortie_.Vide(), sortie_); }

void EcranTerminal::Termine() {
  // A refused stdout is reported by the final flush, after this.
  if (couleurChangee_) static_cast<void>(sortie_.Ajoute("\x1b[0m"));
  couleurChangee_ = false;
}

bool SaisieTerminal::Saisit(int, int, int, std::string& texte) {
  // A stop asked before the INPUT ends the run on it, even when an answer is waiting.
  if (signaux::ArretDemande()) return false;
  ecran_.Vide();  // the prompt
  std::string ligne;
  const Issue issue = entree_.LitLigne(ligne, kLongueurMaxChaine);
  // A failed read is no answer at all: the run cannot go on without one.
  if (issue == Issue::Echouee) throw EchecExecution(Raison("Erreur de lecture sur l'entrée standard", entree_.Erreur()));
  if (issue == Issue::Interrompue) return false;
  // A line cut at the limit is given as read: the interpreter refuses it whole.
  if (ligne.size() > kLongueurMaxChaine) {
    texte = std::move(ligne);
    return true;
  }
  if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
  texte = EstUtf8Valide(ligne) ? Utf8VersCp1252(ligne) : ligne;
  return true;
}

void MessagesTerminal::Affiche(const std::string& texte) {
  // Output first, so that a shared terminal shows both in order; a refused stdout is
  // reported by its next write or at the end of the run.
  static_cast<void>(sortie_.Vide());
  static_cast<void>(erreurs_.Ajoute(SansControles(Cp1252VersUtf8(texte)) + '\n'));
  static_cast<void>(erreurs_.Vide());
}

ImprimanteTerminal::~ImprimanteTerminal() { Ferme(); }

void ImprimanteTerminal::DebutTravail() {
  if (fichier_.empty()) return;
  // Without blocking: a FIFO that nobody reads is refused instead of waited on.
  descripteur_ = ::open(fichier_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666);
  if (descripteur_ < 0) Echoue(Raison(Message("Impossible d'ouvrir l'imprimante ") + Utf8VersCp1252(fichier_), errno));
  // Then writes wait again: a slow reader must not make them fail.
  const int drapeaux = ::fcntl(descripteur_, F_GETFL);
  if (drapeaux == -1 || ::fcntl(descripteur_, F_SETFL, drapeaux & ~O_NONBLOCK) == -1)
    Echoue(Raison(Message("Impossible d'ouvrir l'imprimante ") + Utf8VersCp1252(fichier_), errno));
  page_ = std::make_unique<SortieTamponnee>(descripteur_);
}

void ImprimanteTerminal::Envoie(std::string_view octets) {
  if (!page_) return ecran_.Ecrit(octets);
  if (page_->Ajoute(octets) == Issue::Echouee) Echoue(Raison("Erreur d'écriture sur l'imprimante", page_->Erreur()));
}

void ImprimanteTerminal::Ecrit(const std::string& texte) { Envoie(Cp1252VersUtf8(texte)); }
void ImprimanteTerminal::FinLigne() { Envoie("\n"); }

void ImprimanteTerminal::Veille() {
  if (page_ && page_->VideSiAncien() == Issue::Echouee)
    Echoue(Raison("Erreur d'écriture sur l'imprimante", page_->Erreur()));
}

void ImprimanteTerminal::FinTravail() {
  if (!page_) return ecran_.Vide();
  const Issue issue = page_->Vide();
  const int erreur = page_->Erreur();
  Ferme();
  if (issue == Issue::Echouee) Echoue(Raison("Erreur d'écriture sur l'imprimante", erreur));
  if (issue == Issue::Interrompue) Echoue("Écriture sur l'imprimante abandonnée");
}

void ImprimanteTerminal::Ferme() {
  page_.reset();
  if (descripteur_ >= 0) ::close(descripteur_);
  descripteur_ = -1;
}

void ImprimanteTerminal::Echoue(const Message& message) { throw EchecExecution(message); }

bool ClavierTerminal::ArretDemande() {
  ecran_.Veille();
  imprimante_.Veille();
  return signaux::ArretDemande();
}

}  // namespace korvane
