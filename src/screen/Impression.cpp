#include "screen/Impression.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <utility>

#include "base/EchecExecution.h"
#include "base/Message.h"
#include "base/Texte.h"

namespace korvane {

namespace {

constexpr double kMargeMillimetres = 15;

std::string VersCp1252(const QString& texte) { return Utf8VersCp1252(texte.toStdString()); }

// Korvane-impression-<date>-<time>.pdf, with -2, -3... when that name is taken.
QString FichierPdfLibre(const QDir& dossier) {
  const QString base = QStringLiteral("Korvane-impression-") +
                       QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
  QString nom = base + QStringLiteral(".pdf");
  for (int n = 2; dossier.exists(nom); ++n) nom = base + QLatin1Char('-') + QString::number(n) + QStringLiteral(".pdf");
  return dossier.filePath(nom);
}

// The printer chosen in the set-up while it still exists, else the default one.
QPrinterInfo ImprimanteChoisie(const QString& nom) {
  const QPrinterInfo choisie = nom.isEmpty() ? QPrinterInfo() : QPrinterInfo::printerInfo(nom);
  return choisie.isNull() ? QPrinterInfo::defaultPrinter() : choisie;
}

[[noreturn]] void EchecEcriture() { throw EchecExecution("Erreur d'écriture sur l'imprimante"); }

}  // namespace

QFont PoliceEditeur() {
  QFont police(QString::fromUtf8(kPoliceEditeur.Famille), kPoliceEditeur.Points);
  police.setStyleHint(QFont::TypeWriter);
  return police;
}

Impression::Impression(const SortieImpression& sortie, BoitesMessage& messages, const QFont& police)
    : messages_(messages) {
  const bool cherche = sortie.ChercheImprimante && sortie.FichierPdf.isEmpty();
  const QPrinterInfo imprimante = cherche ? ImprimanteChoisie(*sortie.Imprimante) : QPrinterInfo();
  if (!imprimante.isNull()) {
    auto printer = std::make_unique<QPrinter>(imprimante, QPrinter::HighResolution);
    printer->setDocName(QStringLiteral("Korvane"));
    page_ = std::move(printer);
    if (!peintre_.begin(page_.get()))
      throw EchecExecution(Message("Impossible de démarrer l'impression sur l'imprimante ") +
                           VersCp1252(imprimante.printerName()));
  } else if (!sortie.FichierPdf.isEmpty()) {
    OuvrePdf(sortie.FichierPdf, QIODevice::Truncate, QStringLiteral("L'impression est enregistrée dans "));
  } else {
    const QString dossier = sortie.DossierPdf.isEmpty()
                                ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                                : sortie.DossierPdf;
    // A missing documents folder is made; a failure shows when the file is opened.
    QDir().mkpath(dossier);
    OuvrePdf(FichierPdfLibre(QDir(dossier)), QIODevice::NewOnly,
             QStringLiteral("Aucune imprimante : l'impression est enregistrée dans "));
  }
  peintre_.setFont(police);
  const QFontMetrics mesures = peintre_.fontMetrics();
  ascendante_ = mesures.ascent();
  miseEnPage_.emplace(page_->height(), mesures.lineSpacing());
}

void Impression::OuvrePdf(const QString& chemin, QIODevice::OpenModeFlag mode, const QString& annonce) {
  const Message echec = Message("Impossible d'enregistrer l'impression dans ") + VersCp1252(chemin);
  // Our own file, so that a failed write (a full disk) is seen when the job ends.
  fichier_ = std::make_unique<QFile>(chemin);
  if (!fichier_->open(QIODevice::WriteOnly | mode)) throw EchecExecution(echec);
  auto pdf = std::make_unique<QPdfWriter>(fichier_.get());
  pdf->setCreator(QStringLiteral("Korvane"));
  pdf->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                 QMarginsF(kMargeMillimetres, kMargeMillimetres, kMargeMillimetres, kMargeMillimetres),
                                 QPageLayout::Millimeter));
  page_ = std::move(pdf);
  if (!peintre_.begin(page_.get())) {
    fichier_->remove();
    throw EchecExecution(echec);
  }
  annonce_ = annonce;
}

Impression::~Impression() {
  if (peintre_.isActive()) peintre_.end();
}

void Impression::Ecrit(const QString& texte) { ligne_ += texte; }

void Impression::FinLigne() { Imprime(std::exchange(ligne_, QString())); }

void Impression::Termine() {
  if (!peintre_.isActive()) return;
  if (!ligne_.isEmpty()) FinLigne();
  bool ecrit = peintre_.end();
  if (fichier_) {
    fichier_->close();
    ecrit = ecrit && fichier_->error() == QFileDevice::NoError;
  }
  if (!ecrit) EchecEcriture();
  if (fichier_) messages_.Affiche(VersCp1252(annonce_ + fichier_->fileName()));
}

void Impression::Imprime(const QString& ligne) {
  const MiseEnPage::Place place = miseEnPage_->LigneSuivante();
  if (place.NouvellePage && !page_->newPage()) EchecEcriture();
  peintre_.drawText(0, place.Haut + ascendante_, ligne);
}

void ImprimeLignes(const QStringList& lignes, const SortieImpression& sortie, BoitesMessage& messages,
                   const QFont& police) {
  Impression travail(sortie, messages, police);
  for (const QString& ligne : lignes) {
    travail.Ecrit(ligne);
    travail.FinLigne();
  }
  travail.Termine();
}

}  // namespace korvane
