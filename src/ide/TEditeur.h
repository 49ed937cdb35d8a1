#pragma once
// An editor window: one BASIC program in a colour memo, with its file, print and clipboard
// commands. It lives in the main window's multiple-document area; whoever creates it sets
// its caption and frees it once it has closed.

#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <utility>

#include "colmemo/ColorMemo.h"
#include "tools/Assistants.h"
#include "ide/DialoguesEditeur.h"
#include "ide/FichierSource.h"
#include "ide/ProgrammeDocument.h"
#include "ide/RechercheMemo.h"
#include "screen/Impression.h"

class QCloseEvent;
class QKeyEvent;

namespace korvane {

// An editor window's outer size when it opens.
inline constexpr QSize kTailleEditeur{502, 265};

// The step marker, first character of the line where a step run stopped.
inline constexpr QChar kMarquePas{0x2022};

// What an editor window asks of the application.
struct ServicesEditeur {
  DialoguesEditeur& Dialogues;
  BoitesMessage& Messages;
  SortieImpression Sortie;
  const Programmeur* Assistants = nullptr;  // the "Programmer" menu's dialogs
};

// `chemin` with its file name cut at its first "." and ".bas" appended; dots in folders stay.
QString AvecExtensionBas(const QString& chemin);

class TEditeur : public QWidget {
  Q_OBJECT

 public:
  explicit TEditeur(const ServicesEditeur& services, QWidget* parent = nullptr);

  colmemo::TColorMemo* Memo1() const { return memo_; }
  const QString& NomFichier() const { return nomFichier_; }
  bool Modifie() const;
  FormatSource Format() const { return format_; }

  // File commands. Each failure (memory exhausted included) is shown in a message box and
  // leaves the file on disk and the document as they were; they then return false. While a
  // program runs they are refused, and return false too.
  bool OpenFile(const QString& fileName);
  // True once the document is on disk: a cancelled dialog, or a replacement the user refuses,
  // gives false, so that a close waiting on this save does not lose the document.
  bool SaveAs();
  bool Enregistrer();
  bool Importer();
  bool Imprimer();

  void Raz();
  void Copier();
  void Couper();
  void Coller();
  void ToutSelectionner();

  // May the window close? Asks to save a modified document.
  bool FormCloseQuery();
  // The window has closed: emits Fermee.
  void FormClose();

  // The "Programmer" menu: the keyword list, then the wizards. Each inserts its text in
  // place of the selection as one undo step; a wizard leaves the caret at the start of the
  // block's first empty line.
  void Instructions();
  void Forg();
  void Whileg();
  void dog();
  void Ifg();
  void LireF();
  void EcrireF();

  // Find, find next and replace (Chercher, Find, Continuer, Remplacer, Replace).
  TRechercheMemo& Recherche() { return recherche_; }

  // What the run control reads and changes. Lines are the document's real lines.
  const Programme& TexteProgramme() const { return programme_; }
  void RemplaceLigne(int index, const QString& texte);
  int LigneCurseur() const;
  void PlaceCurseur(int ligne);
  // Read-only while a program runs; a close asked meanwhile happens once the run is over.
  void LectureSeule(bool oui);
  bool ExecutionEnCours() const { return memo_->isReadOnly(); }

 signals:
  // The owner closes the program's files there.
  void Fermee();
  // Ctrl+Pause or Échap while a program runs, or a close asked then: the run must stop.
  void ArretDemande();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* objet, QEvent* evenement) override;

 private:
  // The program's lines as Raz leaves them.
  QStringList LignesSansMarquePas() const;
  SortieImpression SortieChoisie(const ChoixImpression& choix) const;
  bool EcritDans(const QString& chemin);
  // The file's lines, or nothing once the failure is shown.
  std::optional<Source> Charge(const QString& chemin, const char* action);
  // Runs `travail`; memory running out shows the failure of `action` and gives false.
  bool SansEchecMemoire(const char* action, const QString& chemin, const std::function<void()>& travail);
  // The "Programmer" menu's dialogs, unless a program runs here.
  const Programmeur* Programmation() const;
  // Shows a wizard, then inserts what it gives.
  void Assistant(QDialog& dialogue, const std::function<QString()>& resultat);
  // Inserts a wizard's block (lines ending in CR LF) without adding indentation.
  void InsereBloc(const QString& bloc);
  void Fichier(TFileIO::Mode mode);
  // Handles the keys the editor gives its own meaning (Enter); false leaves the key to the memo.
  bool ToucheTraitee(const QKeyEvent& touche);
  // Enter: a line break followed by the caret line's leading blanks and tabs.
  void NouvelleLigneIndentee();
  void Signale(const QString& texte);

  ServicesEditeur services_;
  colmemo::TColorMemo* memo_;
  ProgrammeDocument programme_;
  QString nomFichier_;
  FormatSource format_;
  bool fermetureApresRun_ = false;
  // A run ended since the last edit typed: the next one is a new undo step.
  bool etapeNeuve_ = false;
  TRechercheMemo recherche_;
};

}  // namespace korvane
