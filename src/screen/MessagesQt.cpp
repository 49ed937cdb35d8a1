#include "screen/MessagesQt.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include "screen/TexteQt.h"

namespace korvane {

void MessagesQt::Affiche(const std::string& texte) { Boite(texte)->exec(); }

std::unique_ptr<QMessageBox> MessagesQt::Boite(const std::string& texte) const {
  auto boite = std::make_unique<QMessageBox>(QMessageBox::Information, QStringLiteral("Korvane"),
                                             DepuisCp1252(texte), QMessageBox::Ok, parent_);
  // A program's text is shown as it is, even when it looks like markup.
  boite->setTextFormat(Qt::PlainText);
  return boite;
}

bool QtEnFrancais(QCoreApplication& application, std::ostream& avertissements, const QString& dossier) {
  // Qt's widgets describe files (kinds, sizes, dates) in the default locale's language.
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  auto* traduction = new QTranslator(&application);
  if (traduction->load(QStringLiteral("qtbase_fr"), dossier) && QCoreApplication::installTranslator(traduction))
    return true;
  delete traduction;
  avertissements << QStringLiteral(
                        "korvane : traductions françaises de Qt introuvables dans « %1 », les boutons restent en "
                        "anglais\n")
                        .arg(dossier)
                        .toStdString();
  return false;
}

}  // namespace korvane
