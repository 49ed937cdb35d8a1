#include "ide/ControleExecution.h"

#include "base/EchecExecution.h"
#include "base/Texte.h"

namespace korvane {

namespace {

bool LigneExiste(const DocumentExecutable& document, int ligne) {
  return ligne >= 0 && ligne < document.Texte().NbLignes();
}

// Marks the start of line `ligne` with `marque`, or takes the mark off when it is there.
void BasculeMarque(DocumentExecutable& document, int ligne, char marque) {
  const std::string texte = document.Texte().Ligne(ligne);
  document.ChangeLigne(ligne, texte.starts_with(marque) ? texte.substr(1) : marque + texte);
}

// Closes the run's state whatever way the run ends.
class RunEnCours {
 public:
  RunEnCours(bool& enCours, DocumentExecutable& document, const std::function<void()>& changement)
      : enCours_(enCours), document_(document), changement_(changement) {
    enCours_ = true;
    document_.ChangeLectureSeule(true);
    if (changement_) changement_();
  }
  ~RunEnCours() {
    document_.ChangeLectureSeule(false);
    enCours_ = false;
    if (changement_) changement_();
  }
  RunEnCours(const RunEnCours&) = delete;
  RunEnCours& operator=(const RunEnCours&) = delete;

 private:
  bool& enCours_;
  DocumentExecutable& document_;
  const std::function<void()>& changement_;
};

}  // namespace

bool ControleExecution::Executer(DocumentExecutable& document) {
  if (enCours_) return false;
  interpreteur_.InitPrg(document.NomFichier());
  document.Raz();
  LigneCourante = 0;
  Lance(document);
  return true;
}

bool ControleExecution::Continuer2(DocumentExecutable& document) {
  if (enCours_) return false;
  if (LigneExiste(document, LigneCourante) && document.Texte().Ligne(LigneCourante).starts_with(kLignePas))
    BasculeMarque(document, LigneCourante, kLignePas);
  Lance(document);
  return true;
}

bool ControleExecution::Arret(DocumentExecutable& document) {
  if (enCours_) return false;
  const int ligne = document.LigneCurseur();
  if (!LigneExiste(document, ligne)) return true;
  BasculeMarque(document, ligne, kPointArret);
  LigneCourante = ligne;
  return true;
}

void ControleExecution::Activation() {
  if (enCours_) return;
  PasAPas = 0;
  FermeFichiers();
}

// The run window and the input box take the focus during a run: the run's files stay open.
void ControleExecution::Desactivation() {
  if (!enCours_) FermeFichiers();
}

void ControleExecution::FermeFichiers() {
  for (const Message& echec : interpreteur_.CloseAll().Echecs) messages_.Affiche(echec.Cp1252());
}

void ControleExecution::Lance(DocumentExecutable& document) {
  int resultat = kContinue;
  int debut = LigneCourante;
  {
    const RunEnCours run(enCours_, document, surChangement_);
    try {
      interpreteur_.Exec(document.Texte(), debut, resultat, PasAPas);
    } catch (const EchecExecution& echec) {
      // The run was aborted: nothing is recorded.
      messages_.Affiche(Utf8VersCp1252(echec.what()));
      return;
    }
  }
  LigneCourante = debut;
  // A step past the last line has no line to mark.
  if (PasAPas == 1 && LigneExiste(document, LigneCourante)) BasculeMarque(document, LigneCourante, kLignePas);
  if (resultat > 0 && LigneExiste(document, LigneCourante)) document.PlaceCurseur(LigneCourante);
}

}  // namespace korvane
