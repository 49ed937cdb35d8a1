#include "ide/TEditeur.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QTimer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "base/EchecExecution.h"
#include "colmemo/EditorRules.h"
#include "ide/ZoomMemo.h"
#include "screen/ClavierQt.h"
#include "screen/TexteQt.h"

namespace korvane {

namespace {

const QString kFiltreBasic = QStringLiteral("Fichiers basic (*.bas)|*.bas|Tous les fichiers|*.*");
const QString kFiltreImport =
    QStringLiteral("Fichiers texte (*.txt)|*.txt|Fichiers basic (*.bas)|*.bas|Tous les fichiers (*.*)|*.*");
const QString kTexteInitial = QStringLiteral("DIM X AS STRING\nDIM I AS INTEGER\nDIM R AS REAL\nDIM A(10) AS STRING\n");

QString Echec(const char* action, const QString& chemin, const QString& raison) {
  return QString::fromUtf8(action) + QStringLiteral(" « ") + chemin + QStringLiteral(" » : ") + raison;
}

// The lines as the document holds them: each followed by a line break.
QString Texte(const QStringList& lignes) {
  return lignes.isEmpty() ? QString() : lignes.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace

QString AvecExtensionBas(const QString& chemin) {
  const qsizetype debutNom = chemin.lastIndexOf(QLatin1Char('/')) + 1;
  const qsizetype point = chemin.indexOf(QLatin1Char('.'), debutNom);
  return (point < 0 ? chemin : chemin.left(point)) + QStringLiteral(".bas");
}

TEditeur::TEditeur(const ServicesEditeur& services, QWidget* parent)
    : QWidget(parent),
      services_(services),
      memo_(new colmemo::TColorMemo(this)),
      programme_(*memo_->document()),
      recherche_(*memo_, services_.Messages) {
  resize(kTailleEditeur);
  auto* disposition = new QVBoxLayout(this);
  disposition->setContentsMargins(0, 0, 0, 0);
  disposition->addWidget(memo_);
  memo_->setFont(PoliceEditeur());
  new ZoomMemo(*memo_, *this);
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  colmemo::SetEditorColorRules(memo_->ColorRules());
  memo_->setPlainText(kTexteInitial);
  memo_->moveCursor(QTextCursor::End);
  memo_->installEventFilter(this);
}

bool TEditeur::Modifie() const { return memo_->document()->isModified(); }

void TEditeur::Signale(const QString& texte) { services_.Messages.Affiche(VersCp1252(texte)); }

bool TEditeur::OpenFile(const QString& fileName) {
  if (ExecutionEnCours()) return false;
  const std::optional<Source> source = Charge(fileName, "Impossible d'ouvrir");
  if (!source) return false;
  // setPlainText also clears the modified flag and the undo history.
  if (!SansEchecMemoire("Impossible d'ouvrir", fileName, [&] { memo_->setPlainText(Texte(source->Lignes)); })) {
    memo_->clear();
    memo_->document()->setModified(false);
    return false;
  }
  nomFichier_ = fileName;
  format_ = source->Format;
  memo_->moveCursor(QTextCursor::Start);
  return true;
}

bool TEditeur::SaveAs() {
  if (ExecutionEnCours()) return false;
  const QString choisi = services_.Dialogues.NomEnregistrement(this, kFiltreBasic, QStringLiteral("*.bas"));
  if (choisi.isEmpty()) return false;
  const QString chemin = AvecExtensionBas(choisi);
  // The dialog asked about the name typed, not about the name ".bas" makes of it.
  if (QFileInfo::exists(chemin) && !services_.Dialogues.Remplacement(this, QuestionRemplacement(chemin))) return false;
  if (!EcritDans(chemin)) return false;
  nomFichier_ = chemin;
  setWindowTitle(QStringLiteral("Korvane - ") + QFileInfo(chemin).fileName());
  return true;
}

bool TEditeur::Enregistrer() {
  if (ExecutionEnCours()) return false;
  return nomFichier_.isEmpty() ? SaveAs() : EcritDans(nomFichier_);
}

bool TEditeur::EcritDans(const QString& chemin) {
  QString raison;
  std::optional<FormatSource> ecrit;
  if (!SansEchecMemoire("Impossible d'enregistrer", chemin,
                        [&] { ecrit = EnregistreSource(chemin, LignesSansMarquePas(), format_, raison); }))
    return false;
  if (!ecrit) {
    Signale(Echec("Impossible d'enregistrer", chemin, raison));
    return false;
  }
  format_ = *ecrit;
  Raz();
  memo_->document()->setModified(false);
  return true;
}

bool TEditeur::Importer() {
  if (ExecutionEnCours()) return false;
  const QString chemin =
      services_.Dialogues.NomOuverture(this, QStringLiteral("Insérer fichier"), kFiltreImport, QStringLiteral("*.txt"));
  if (chemin.isEmpty()) return true;
  const std::optional<Source> source = Charge(chemin, "Impossible d'importer");
  if (!source) return false;
  if (source->Lignes.isEmpty()) return true;
  return SansEchecMemoire("Impossible d'importer", chemin, [&] { memo_->insertPlainText(Texte(source->Lignes)); });
}

std::optional<Source> TEditeur::Charge(const QString& chemin, const char* action) {
  QString raison;
  std::optional<Source> source;
  if (!SansEchecMemoire(action, chemin, [&] { source = ChargeSource(chemin, raison); })) return std::nullopt;
  if (!source) Signale(Echec(action, chemin, raison));
  return source;
}

bool TEditeur::SansEchecMemoire(const char* action, const QString& chemin, const std::function<void()>& travail) {
  try {
    travail();
    return true;
  } catch (const std::bad_alloc&) {
    Signale(Echec(action, chemin, QStringLiteral("mémoire insuffisante")));
    return false;
  }
}

// The dialog's choice holds for this job only; the printer set up stays the default.
SortieImpression TEditeur::SortieChoisie(const ChoixImpression& choix) const {
  SortieImpression sortie = services_.Sortie;
  sortie.FichierPdf = choix.Fichier;
  if (!choix.Imprimante.isEmpty()) sortie.Imprimante = std::make_shared<QString>(choix.Imprimante);
  return sortie;
}

bool TEditeur::Imprimer() {
  if (ExecutionEnCours()) return false;
  const std::optional<ChoixImpression> choix = services_.Dialogues.DialogueImpression(this);
  if (!choix) return true;
  try {
    ImprimeLignes(LignesSansMarquePas(), SortieChoisie(*choix), services_.Messages, memo_->font());
  } catch (const EchecExecution& echec) {
    Signale(QString::fromUtf8(echec.what()));
    return false;
  }
  Raz();
  return true;
}

void TEditeur::Raz() {
  // One copy of the text finds the markers faster than a walk over the blocks; its offsets
  // are the document's positions.
  const QString texte = memo_->document()->toPlainText();
  std::vector<qsizetype> marques;
  for (qsizetype p = texte.indexOf(kMarquePas); p >= 0; p = texte.indexOf(kMarquePas, p + 1))
    if (p == 0 || texte[p - 1] == QLatin1Char('\n')) marques.push_back(p);
  if (marques.empty()) return;

  // The text from the first marker to the last is replaced at once: one undo step and one
  // change, however many lines lose their marker.
  const qsizetype debut = marques.front();
  const qsizetype fin = marques.back() + 1;
  QString sansMarques;
  sansMarques.reserve(fin - debut);
  for (std::size_t i = 0; i + 1 < marques.size(); ++i)
    sansMarques += QStringView(texte).mid(marques[i] + 1, marques[i + 1] - marques[i] - 1);
  // The caret and the selection keep their characters.
  const auto apres = [&](int position) {
    return position - static_cast<int>(std::lower_bound(marques.begin(), marques.end(), position) - marques.begin());
  };
  QTextCursor visible = memo_->textCursor();
  const int ancre = apres(visible.anchor());
  const int position = apres(visible.position());

  QTextCursor curseur(memo_->document());
  curseur.setPosition(static_cast<int>(debut));
  curseur.setPosition(static_cast<int>(fin), QTextCursor::KeepAnchor);
  curseur.insertText(sansMarques);
  // Only a caret the replacement moved is put back, as setting it scrolls the view to it.
  if (memo_->textCursor().anchor() == ancre && memo_->textCursor().position() == position) return;
  visible.setPosition(ancre);
  visible.setPosition(position, QTextCursor::KeepAnchor);
  memo_->setTextCursor(visible);
}

QStringList TEditeur::LignesSansMarquePas() const {
  QStringList lignes;
  const int nombre = programme_.NbLignes();
  lignes.reserve(nombre);
  QTextBlock bloc = memo_->document()->begin();
  for (int i = 0; i < nombre; ++i, bloc = bloc.next()) {
    QString texte = bloc.text();
    if (texte.startsWith(kMarquePas)) texte.remove(0, 1);
    lignes << texte;
  }
  return lignes;
}

void TEditeur::Copier() { memo_->copy(); }
void TEditeur::Couper() { memo_->cut(); }
void TEditeur::Coller() { memo_->paste(); }
void TEditeur::ToutSelectionner() { memo_->selectAll(); }

const Programmeur* TEditeur::Programmation() const { return ExecutionEnCours() ? nullptr : services_.Assistants; }

void TEditeur::Instructions() {
  const Programmeur* aides = Programmation();
  if (aides == nullptr) return;
  services_.Dialogues.Montre(aides->MotsCle);
  if (const QString mot = aides->MotsCle.Result(); !mot.isEmpty()) memo_->insertPlainText(mot);
}

void TEditeur::Assistant(QDialog& dialogue, const std::function<QString()>& resultat) {
  services_.Dialogues.Montre(dialogue);
  InsereBloc(resultat());
}

void TEditeur::Forg() {
  if (const Programmeur* aides = Programmation()) Assistant(aides->BoucleFor, [aides] { return aides->BoucleFor.Result(); });
}

void TEditeur::Whileg() {
  if (const Programmeur* aides = Programmation()) {
    aides->BoucleWhile.setWindowTitle(QStringLiteral("Boucle While"));
    Assistant(aides->BoucleWhile, [aides] { return aides->BoucleWhile.Result1(); });
  }
}

void TEditeur::dog() {
  if (const Programmeur* aides = Programmation()) {
    aides->BoucleWhile.setWindowTitle(QStringLiteral("Boucle Do"));
    Assistant(aides->BoucleWhile, [aides] { return aides->BoucleWhile.Result2(); });
  }
}

void TEditeur::Ifg() {
  if (const Programmeur* aides = Programmation())
    Assistant(aides->ConditionIf, [aides] { return aides->ConditionIf.Result(); });
}

void TEditeur::LireF() { Fichier(TFileIO::Lecture); }

void TEditeur::EcrireF() { Fichier(TFileIO::Ecriture); }

void TEditeur::Fichier(TFileIO::Mode mode) {
  if (const Programmeur* aides = Programmation()) {
    aides->FileIO.ChoisitMode(mode);
    Assistant(aides->FileIO, [aides] { return aides->FileIO.Result(); });
  }
}

void TEditeur::InsereBloc(const QString& bloc) {
  if (bloc.isEmpty()) return;
  QTextCursor curseur = memo_->textCursor();
  const int debut = curseur.selectionStart();
  curseur.insertText(QString(bloc).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  // The body goes on the line after the block's first one.
  memo_->setTextCursor(QTextCursor(memo_->document()->findBlock(debut).next()));
}

bool TEditeur::FormCloseQuery() {
  if (!Modifie()) return true;
  const QString question = QStringLiteral("Enregistrer changements dans '%1'?").arg(QFileInfo(nomFichier_).fileName());
  switch (services_.Dialogues.Confirmation(this, question)) {
    case Reponse::Oui:
      // A failed save keeps the window, and the document, open.
      return Enregistrer();
    case Reponse::Non:
      return true;
    case Reponse::Annuler:
      break;
  }
  return false;
}

void TEditeur::FormClose() {
  emit Fermee();
}

void TEditeur::closeEvent(QCloseEvent* event) {
  // A running program is stopped first; the window is asked to close again after the run.
  if (ExecutionEnCours()) {
    fermetureApresRun_ = true;
    emit ArretDemande();
    event->ignore();
    return;
  }
  if (!FormCloseQuery()) {
    event->ignore();
    return;
  }
  FormClose();
  event->accept();
}

void TEditeur::RemplaceLigne(int index, const QString& texte) {
  const QTextBlock bloc = memo_->document()->findBlockByNumber(index);
  if (!bloc.isValid()) return;
  QTextCursor curseur(bloc);
  curseur.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  curseur.insertText(texte);
}

int TEditeur::LigneCurseur() const { return memo_->textCursor().blockNumber(); }

void TEditeur::PlaceCurseur(int ligne) {
  const QTextBlock bloc = memo_->document()->findBlockByNumber(ligne);
  if (!bloc.isValid()) return;
  memo_->setTextCursor(QTextCursor(bloc));
  memo_->ensureCursorVisible();
}

void TEditeur::LectureSeule(bool oui) {
  memo_->setReadOnly(oui);
  if (!oui) etapeNeuve_ = true;
  if (oui || !fermetureApresRun_) return;
  fermetureApresRun_ = false;
  // In the main window the frame around the editor is what closes.
  QWidget* fenetre = qobject_cast<QMdiSubWindow*>(parentWidget());
  QTimer::singleShot(0, fenetre != nullptr ? fenetre : this, &QWidget::close);
}

bool TEditeur::eventFilter(QObject* objet, QEvent* evenement) {
  if (objet != memo_ || evenement->type() != QEvent::KeyPress) return QWidget::eventFilter(objet, evenement);
  const auto& touche = static_cast<const QKeyEvent&>(*evenement);
  if (ExecutionEnCours()) {
    if (!ClavierQt::EstToucheArret(touche)) return false;
    emit ArretDemande();
    return true;
  }
  if (!etapeNeuve_) return ToucheTraitee(touche);
  // Qt joins typing that continues the previous typing into one undo step: inside an edit
  // block, the first edit after a run starts a step of its own.
  const int revision = memo_->document()->revision();
  QTextCursor etape = memo_->textCursor();
  etape.beginEditBlock();
  if (!ToucheTraitee(touche)) static_cast<QObject*>(memo_)->event(evenement);
  etape.endEditBlock();
  etapeNeuve_ = memo_->document()->revision() == revision;
  return true;
}

bool TEditeur::ToucheTraitee(const QKeyEvent& touche) {
  const bool entree = touche.key() == Qt::Key_Return || touche.key() == Qt::Key_Enter;
  if (!entree || touche.modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier) ||
      LigneCurseur() == 0)
    return false;
  NouvelleLigneIndentee();
  return true;
}

void TEditeur::NouvelleLigneIndentee() {
  constexpr qsizetype kIndentationMax = 255;
  const QString ligne = memo_->textCursor().block().text();
  qsizetype marge = 0;
  while (marge < ligne.size() && marge < kIndentationMax && (ligne[marge] == u' ' || ligne[marge] == u'\t')) ++marge;
  QTextCursor curseur = memo_->textCursor();
  curseur.insertText(QStringLiteral("\n") + ligne.left(marge));
  memo_->setTextCursor(curseur);
}

}  // namespace korvane
