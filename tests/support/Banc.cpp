#include "support/Banc.h"

#include <gtest/gtest.h>

#include "base/Nombres.h"
#include "interpreter/Execution.h"
#include "interpreter/PreAnalyse.h"
#include "machine/Symboles.h"

namespace korvane::test {

namespace {
std::string Point(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
}  // namespace

void FauxEcran::DessineTexte(int x, int y, const std::string& texte) {
  // A huge text is recorded by its start and length: random programs may print megabytes.
  const std::string note = texte.size() <= 1000 ? texte : texte.substr(0, 100) + "... (" + std::to_string(texte.size()) + ")";
  Appels.push_back("texte " + Point(x, y) + " " + note);
}

void FauxEcran::DessineSaisie(int x, int y, const std::string& texte) {
  Appels.push_back("saisie " + Point(x, y) + " " + texte);
}

void FauxEcran::Trait(int x1, int y1, int x2, int y2) { Appels.push_back("trait " + Point(x1, y1) + "-" + Point(x2, y2)); }

void FauxEcran::Rectangle(int x1, int y1, int x2, int y2) {
  Appels.push_back("rect " + Point(x1, y1) + "-" + Point(x2, y2));
}

void FauxEcran::ChangeCouleurTexte(Couleur c) {
  Appels.push_back("couleur " + std::to_string(c.Rouge) + "," + std::to_string(c.Vert) + "," + std::to_string(c.Bleu));
}

bool FausseSaisie::Saisit(int gauche, int haut, int largeur, std::string& texte) {
  Ouvertures.push_back({gauche, haut, largeur});
  if (Reponses.empty()) return false;
  texte = Reponses.front();
  Reponses.pop_front();
  return true;
}

void FausseImprimante::Ecrit(const std::string& texte) {
  if (Refuse) throw EchecExecution("Erreur d'écriture sur l'imprimante");
  Journal.push_back("ecrit " + texte);
}

void FausseImprimante::FinTravail() {
  Journal.push_back("fin");
  if (RefuseFin) throw EchecExecution(kFinRefusee);
}

std::string FauxClavier::ToucheLue() {
  if (Touches.empty()) return {};
  std::string touche = Touches.front();
  Touches.pop_front();
  return touche;
}

Banc::Resultat Banc::Lance(std::vector<std::string> lignes, int debut, int pas) {
  Texte.Lignes = std::move(lignes);
  return Continue(debut, pas);
}

Banc::Resultat Banc::Continue(int debut, int pas) {
  int resultat = 0;
  Exec(It, Texte, debut, resultat, pas);
  return {resultat, debut};
}

int Banc::Declare(std::vector<std::string> lignes) {
  Texte.Lignes = std::move(lignes);
  It.Etat = kContinue;
  return PreAnalyse(It, Texte).value_or(-1);
}

int Banc::Execute(const std::string& ligne, int index) {
  ExecLigne(It, Texte, ligne, index);
  return It.Etat;
}

int32_t Banc::Cellule(const std::string& nom, int32_t rang) const {
  const Symbole* s = ChercheEtiq(It, nom);
  EXPECT_NE(s, nullptr) << nom << " is not declared";
  return s ? s->Adresse + rang - 1 : 0;
}

int32_t& Banc::Entier(const std::string& nom, int32_t rang) { return It.Valeurs.Entier(Cellule(nom, rang)); }
double& Banc::Reel(const std::string& nom, int32_t rang) { return It.Valeurs.Reel(Cellule(nom, rang)); }
std::string& Banc::Chaine(const std::string& nom, int32_t rang) { return It.Valeurs.Chaine(Cellule(nom, rang)); }

void Banc::Pose(const std::string& nom, const std::string& valeur, int32_t rang) {
  const Symbole* s = ChercheEtiq(It, nom);
  ASSERT_NE(s, nullptr) << nom;
  ASSERT_TRUE(EcritValeur(It, Cp(valeur), s->Genre, s->Adresse + rang - 1)) << nom;
}

std::string Banc::Valeur(const std::string& nom, int32_t rang) {
  const Symbole* s = ChercheEtiq(It, nom);
  if (!s) return "?";
  const auto v = LitValeur(It, int64_t{s->Adresse} + rang - 1, s->Genre);
  if (!v) return "?";
  if (s->Genre == Genre::Entier) return std::to_string(v->Entier);
  if (s->Genre == Genre::Reel) return Cp1252VersUtf8(FormatReel(v->Reel, It.SeparateurDecimal));
  return Cp1252VersUtf8(v->Chaine);
}

std::vector<int32_t> Banc::Pile() const {
  const auto contenu = It.Pile.Contenu();
  return {contenu.begin(), contenu.end()};
}

void VerifieMessage(Banc& banc, const CasMessage& cas) {
  banc.Messages.Textes.clear();
  EXPECT_EQ(banc.Execute(cas.Ligne), kArret) << cas.Ligne;
  EXPECT_EQ(banc.Messages.Textes, std::vector<std::string>{cas.Message}) << cas.Ligne;
}

void VerifieMessages(Banc& banc, std::span<const CasMessage> cas) {
  for (const CasMessage& c : cas) VerifieMessage(banc, c);
}

}  // namespace korvane::test
