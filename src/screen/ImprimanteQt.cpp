#include "screen/ImprimanteQt.h"

#include <utility>

#include "base/Texte.h"

namespace korvane {

ImprimanteQt::ImprimanteQt(BoitesMessage& messages, SortieImpression sortie)
    : messages_(messages), sortie_(std::move(sortie)) {}

void ImprimanteQt::DebutTravail() {
  travail_.emplace(sortie_, messages_);
}

void ImprimanteQt::Ecrit(const std::string& texte) { Travail().Ecrit(QString::fromUtf8(Cp1252VersUtf8(texte))); }

void ImprimanteQt::FinLigne() { Travail().FinLigne(); }

void ImprimanteQt::FinTravail() {
  if (!travail_) return;
  // The job is over even when its end fails: the next LPRINT starts a new one.
  try {
    travail_->Termine();
  } catch (...) {
    travail_.reset();
    throw;
  }
  travail_.reset();
}

// A write always lands in a job, even one the core did not start.
Impression& ImprimanteQt::Travail() {
  if (!travail_) DebutTravail();
  return *travail_;
}

}  // namespace korvane
