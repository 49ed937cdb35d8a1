#pragma once
// The printing routine shared by LPRINT and the editor's listings: one job of text lines on
// the system's default printer or, when the system has none, in a PDF file.

#include <QFont>
#include <QIODevice>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "interpreter/Interpreteur.h"
#include "screen/MiseEnPage.h"

class QFile;
class QPagedPaintDevice;

namespace korvane {

// The editor's font, in which jobs are printed unless the caller gives another.
struct Police {
  const char* Famille;
  int Points;
};
inline constexpr Police kPoliceEditeur{"DejaVu Sans Mono", 10};
QFont PoliceEditeur();

// Where jobs go: the file `FichierPdf` when the user chose one, else the system's default
// printer, or without one a new PDF file in `DossierPdf` (empty: the user's documents folder).
// Without `ChercheImprimante` every job is a PDF file, which is how tests keep away from real
// printers.
struct SortieImpression {
  bool ChercheImprimante = true;
  QString DossierPdf;
  // The printer the user chose (empty: the default one), shared by every copy.
  std::shared_ptr<QString> Imprimante = std::make_shared<QString>();
  // Written over by the job.
  QString FichierPdf = QString();
};

class Impression {
 public:
  // Starts the job. Throws EchecExecution when the job cannot start.
  Impression(const SortieImpression& sortie, BoitesMessage& messages, const QFont& police = PoliceEditeur());
  // An unfinished job is ended without a word: its file keeps what was printed.
  ~Impression();
  Impression(const Impression&) = delete;
  Impression& operator=(const Impression&) = delete;

  // Adds to the current line, which is printed at FinLigne (or Termine).
  void Ecrit(const QString& texte);
  void FinLigne();
  // Prints an unfinished line and ends the job; a PDF file's path is told to the user then,
  // once the file is whole. Throws EchecExecution when writing failed.
  void Termine();

 private:
  void OuvrePdf(const QString& chemin, QIODevice::OpenModeFlag mode, const QString& annonce);
  void Imprime(const QString& ligne);

  BoitesMessage& messages_;
  QString annonce_;  // what precedes a PDF file's path when it is told

  // Declared in this order so that the painter lets go of the device before the file closes.
  std::unique_ptr<QFile> fichier_;  // the PDF file, when there is no printer
  std::unique_ptr<QPagedPaintDevice> page_;
  QPainter peintre_;
  std::optional<MiseEnPage> miseEnPage_;
  int ascendante_ = 0;
  QString ligne_;
};

// A whole listing as one job: each entry is one printed line.
void ImprimeLignes(const QStringList& lignes, const SortieImpression& sortie, BoitesMessage& messages,
                   const QFont& police = PoliceEditeur());

}  // namespace korvane
