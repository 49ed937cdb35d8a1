#include "ide/Atelier.h"

#include "screen/TexteQt.h"

namespace korvane {

namespace {

// The run commands' view of an editor window.
class DocumentEditeur : public DocumentExecutable {
 public:
  explicit DocumentEditeur(TEditeur& editeur) : editeur_(editeur) {}
  const Programme& Texte() const override { return editeur_.TexteProgramme(); }
  std::string NomFichier() const override { return VersCp1252(editeur_.NomFichier()); }
  void Raz() override { editeur_.Raz(); }
  void ChangeLigne(int ligne, const std::string& texte) override { editeur_.RemplaceLigne(ligne, DepuisCp1252(texte)); }
  int LigneCurseur() const override { return editeur_.LigneCurseur(); }
  void PlaceCurseur(int ligne) override { editeur_.PlaceCurseur(ligne); }
  void ChangeLectureSeule(bool oui) override { editeur_.LectureSeule(oui); }

 private:
  TEditeur& editeur_;
};

}  // namespace

Atelier::Atelier(BoitesMessage& messages, DialoguesEditeur& dialogues, SortieImpression impression,
                 QWidget* principale)
    : messages_(messages),
      dialogues_(dialogues),
      impression_(impression),
      imprimante_(messages, impression),
      listeSel_(principale),
      table_(principale),
      variable_(interpreteur_, principale),
      motsCle_(principale),
      boucleFor_(principale),
      boucleWhile_(principale),
      conditionIf_(principale),
      fileIO_(principale),
      hote_(messages, imprimante_, principale),
      parametres_(principale),
      calendrier_(QDate::currentDate(), principale),
      horloge_(reglage_, messages, &QDateTime::currentDateTime, principale),
      pocket_(messages, principale),
      interpreteur_(hote_.Monde()),
      controle_(interpreteur_, messages) {}

std::unique_ptr<TEditeur> Atelier::NouvelEditeur(QWidget* parent) {
  auto editeur = std::make_unique<TEditeur>(ServicesEditeur{dialogues_, messages_, impression_, &programmeur_}, parent);
  QObject::connect(editeur.get(), &TEditeur::Fermee, [this] { controle_.Desactivation(); });
  QObject::connect(editeur.get(), &TEditeur::ArretDemande, [this] { hote_.Clavier().DemandeArret(); });
  return editeur;
}

bool Atelier::Executer(TEditeur& editeur) {
  DocumentEditeur document(editeur);
  return controle_.Executer(document);
}

bool Atelier::Continuer(TEditeur& editeur) {
  DocumentEditeur document(editeur);
  return controle_.Continuer2(document);
}

bool Atelier::Arret(TEditeur& editeur) {
  DocumentEditeur document(editeur);
  return controle_.Arret(document);
}

void Atelier::ListeSubs(TEditeur& editeur) {
  const QStringList lignes = editeur.Memo1()->toPlainText().split(QLatin1Char('\n'));
  if (const auto ligne = listeSel_.ListeSubs(lignes)) editeur.PlaceCurseur(*ligne);
}

}  // namespace korvane
