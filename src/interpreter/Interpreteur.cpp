#include "interpreter/Interpreteur.h"

#include "base/EchecExecution.h"
#include "base/Nombres.h"
#include "eval/Fichiers.h"
#include "interpreter/Execution.h"
#include "machine/Machine.h"
#include "machine/Symboles.h"

namespace korvane {

Interpreteur::Interpreteur(Peripheriques peripheriques) : m_(std::make_unique<Machine>(peripheriques)) {}

Interpreteur::~Interpreteur() {
  // Files and a printer that fail while the interpreter is destroyed have nobody left to tell.
  try {
    static_cast<void>(korvane::CloseAll(*m_));
  } catch (...) {
  }
}

void Interpreteur::InitPrg(const std::string& nomFichier) { korvane::InitPrg(*m_, nomFichier); }

void Interpreteur::Exec(const Programme& programme, int& debut, int& resultat, const int& pas) {
  korvane::Exec(*m_, programme, debut, resultat, pas);
}

Fermeture Interpreteur::CloseAll() { return korvane::CloseAll(*m_); }

const std::string& Interpreteur::TexteParametres() const { return m_->TexteParametres; }
void Interpreteur::ChangeParametres(std::string texte) { m_->TexteParametres = std::move(texte); }
char Interpreteur::SeparateurDecimal() const { return m_->SeparateurDecimal; }
void Interpreteur::ChangeSeparateurDecimal(char separateur) { m_->SeparateurDecimal = separateur; }

std::span<const Symbole> Interpreteur::Symboles() const { return m_->Symboles.Symboles(); }
int Interpreteur::ElementsEnPile() const { return m_->Pile.Hauteur(); }
const Symbole* Interpreteur::ChercheEtiq(std::string_view nom) const { return korvane::ChercheEtiq(*m_, nom); }
std::optional<int32_t> Interpreteur::Indice(const std::string& texte) { return korvane::Indice(*m_, texte); }

std::optional<std::string> Interpreteur::LitValeur(int64_t cellule, Genre genre) {
  const auto valeur = korvane::LitValeur(*m_, cellule, genre);
  if (!valeur) return std::nullopt;
  switch (genre) {
    case Genre::Entier: return EntierVersTexte(valeur->Entier);
    case Genre::Reel: return FormatReel(valeur->Reel, m_->SeparateurDecimal);
    case Genre::Chaine: return valeur->Chaine;
    case Genre::Aucun:
    case Genre::Etiquette:
    case Genre::Sub:
      return std::string();
  }
  return std::string();
}

}  // namespace korvane
