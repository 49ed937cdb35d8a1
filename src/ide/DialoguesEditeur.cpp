#include "ide/DialoguesEditeur.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>

namespace korvane {

namespace {

// Qt's file list writes sizes and dates in the system's language, whatever the default
// locale: these columns are rewritten in French.
class ListeFichiersFrancaise : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;

  QVariant data(const QModelIndex& index, int role) const override {
    const auto* fichiers = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || fichiers == nullptr) return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    const QLocale francais(QLocale::French, QLocale::France);
    switch (index.column()) {
      case kTaille:
        if (fichiers->isDir(source)) break;
        return francais.formattedDataSize(fichiers->size(source));
      case kDate:
        return francais.toString(fichiers->lastModified(source), QLocale::ShortFormat);
    }
    return QIdentityProxyModel::data(index, role);
  }

 private:
  static constexpr int kTaille = 1;
  static constexpr int kDate = 3;
};

QString ChoisitFichier(QWidget* parent, QFileDialog::AcceptMode mode, const QString& titre, const QString& filtre,
                       const QString& nom) {
  const auto dialogue = DialogueFichier(parent, mode, titre, filtre, nom);
  if (dialogue->exec() != QDialog::Accepted || dialogue->selectedFiles().isEmpty()) return {};
  return dialogue->selectedFiles().front();
}

}  // namespace

std::unique_ptr<QFileDialog> DialogueFichier(QWidget* parent, QFileDialog::AcceptMode mode, const QString& titre,
                                             const QString& filtre, const QString& nom) {
  auto dialogue = std::make_unique<QFileDialog>(parent, titre);
  // The desktop's own dialog would speak the system's language and keep a history file.
  dialogue->setOption(QFileDialog::DontUseNativeDialog);
  dialogue->setProxyModel(new ListeFichiersFrancaise(dialogue.get()));
  dialogue->setAcceptMode(mode);
  dialogue->setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // Hiding the patterns that Qt needs shows each label exactly as written.
  dialogue->setOption(QFileDialog::HideNameFilterDetails);
  // The editor asks itself, about the name it really writes.
  dialogue->setOption(QFileDialog::DontConfirmOverwrite);
  dialogue->setNameFilters(FiltresQt(filtre));
  // A wildcard name only filters the list; the user types the real name.
  if (!nom.contains(QLatin1Char('*'))) dialogue->selectFile(nom);
  return dialogue;
}

void SansFichierDeReglages() {
  // Qt's file dialog saves its state in the user's settings on closing; a folder that cannot be
  // made there keeps every such write from reaching the disk.
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
}

QStringList FiltresQt(const QString& filtre) {
  const QStringList parties = filtre.split(QLatin1Char('|'));
  QStringList filtres;
  for (qsizetype i = 0; i + 1 < parties.size(); i += 2) {
    QStringList motifs = parties[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& motif : motifs)
      if (motif == QLatin1String("*.*")) motif = QStringLiteral("*");
    filtres << parties[i] + QStringLiteral(" (") + motifs.join(QLatin1Char(' ')) + QLatin1Char(')');
  }
  return filtres;
}

QString DialoguesQt::NomEnregistrement(QWidget* parent, const QString& filtre, const QString& nom) {
  return ChoisitFichier(parent, QFileDialog::AcceptSave, QString(), filtre, nom);
}

QString DialoguesQt::NomOuverture(QWidget* parent, const QString& titre, const QString& filtre, const QString& nom) {
  return ChoisitFichier(parent, QFileDialog::AcceptOpen, titre, filtre, nom);
}

void DialoguesQt::ConfigurationImpression(QWidget* parent, QString& imprimante) {
  QPrinter choix;
  if (!imprimante.isEmpty()) choix.setPrinterName(imprimante);
  QPrintDialog dialogue(&choix, parent);
  dialogue.setWindowTitle(QStringLiteral("Configuration de l'impression"));
  dialogue.setOptions({});
  if (dialogue.exec() == QDialog::Accepted) imprimante = choix.printerName();
}

void DialoguesQt::Montre(QDialog& dialogue) { dialogue.exec(); }

std::optional<ChoixImpression> DialoguesQt::DialogueImpression(QWidget* parent) {
  QPrinter imprimante;
  QPrintDialog dialogue(&imprimante, parent);
  if (dialogue.exec() != QDialog::Accepted) return std::nullopt;
  if (imprimante.outputFormat() == QPrinter::PdfFormat) return ChoixImpression{{}, imprimante.outputFileName()};
  return ChoixImpression{imprimante.printerName(), {}};
}

Reponse DialoguesQt::Confirmation(QWidget* parent, const QString& texte) {
  QMessageBox boite(QMessageBox::Question, QStringLiteral("Korvane"), texte,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
  boite.setTextFormat(Qt::PlainText);
  switch (boite.exec()) {
    case QMessageBox::Yes:
      return Reponse::Oui;
    case QMessageBox::No:
      return Reponse::Non;
    default:
      return Reponse::Annuler;
  }
}

bool DialoguesQt::Remplacement(QWidget* parent, const QString& texte) {
  QMessageBox boite(QMessageBox::Question, QStringLiteral("Korvane"), texte, QMessageBox::Yes | QMessageBox::No,
                    parent);
  boite.setTextFormat(Qt::PlainText);
  boite.setDefaultButton(QMessageBox::No);
  return boite.exec() == QMessageBox::Yes;
}

}  // namespace korvane
