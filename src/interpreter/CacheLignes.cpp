#include "interpreter/CacheLignes.h"

#include "base/Texte.h"
#include "interpreter/Controle.h"
#include "interpreter/Marqueurs.h"

namespace korvane {

namespace {

// A breakpoint marker is not part of the statement.
std::string SansMarqueur(const std::string& texte) {
  return texte.starts_with(kPointArret) ? texte.substr(1) : texte;
}

}  // namespace

CacheLignes::EtatLigne& CacheLignes::EtatDe(std::size_t position) {
  if (position >= etats_.size()) etats_.resize(position + 1);
  return etats_[position];
}

const CacheLignes::Entree& CacheLignes::LitTexte(int index, const Machine& m) {
  const auto position = static_cast<std::size_t>(index);
  if (position >= entrees_.size()) entrees_.resize(position + 1);
  const EtatLigne etat = EtatDe(position);
  if (revision_) {
    if (!etat.Analysee) {
      programme_.LitLigne(index, tampon_);
      Analyse(position, m);
    }
  } else {
    if (position >= sources_.size()) sources_.resize(position + 1);
    programme_.LitLigne(index, tampon_);
    if (!etat.Analysee || sources_[position] != tampon_) {
      sources_[position] = tampon_;
      Analyse(position, m);
    }
  }
  return entrees_[position] ? *entrees_[position] : rien_;
}

// Analyses and compiles the text in `tampon_`.
void CacheLignes::Analyse(std::size_t position, const Machine& m) {
  LigneAnalysee analyse = AnalyseLigne(SansMarqueur(tampon_));
  EtatLigne& etat = etats_[position];
  etat.Analysee = true;
  etat.PointArret = tampon_.starts_with(kPointArret);
  if (revision_) {
    etat.Partenaires = PartenairesDe(analyse.U);
    etat.PartenairesConnus = true;
  }
  std::unique_ptr<Entree>& entree = entrees_[position];
  if (analyse.Genre == LigneAnalysee::Sorte::Rien) {
    entree.reset();
    return;
  }
  FormeRapide forme;
  if (compile_) CompileFormeRapide(m, analyse, forme);
  if (forme.Executer) entree = std::make_unique<Entree>(std::move(forme));
  else entree = std::make_unique<Entree>(std::move(analyse));
}

LigneAnalysee CacheLignes::Relit(int index) const {
  std::string texte;
  programme_.LitLigne(index, texte);
  return AnalyseLigne(SansMarqueur(texte));
}

uint8_t CacheLignes::Partenaires(int index) {
  EtatLigne& etat = EtatDe(static_cast<std::size_t>(index));
  if (etat.PartenairesConnus) return etat.Partenaires;
  programme_.LitLigne(index, tampon_);
  const uint8_t partenaires = PartenairesDe(Majuscules(TexteLigne(SansMarqueur(tampon_))));
  if (revision_) {
    etat.Partenaires = partenaires;
    etat.PartenairesConnus = true;
  }
  return partenaires;
}

}  // namespace korvane
