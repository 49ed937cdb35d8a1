#include "screen/MessagesQt.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <cstring>
#include <utility>

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

namespace {

// Texts of Qt's dialogs that its French catalogue lacks; asked before it.
class ComplementTraductions : public QTranslator {
 public:
  using QTranslator::QTranslator;

  bool isEmpty() const override { return false; }

  QString translate(const char*, const char* texte, const char*, int) const override {
    static constexpr std::pair<const char*, const char*> kTextes[] = {
        {"Folder", "Dossier"},
        {"File", "Fichier"},
        {"Drive", "Lecteur"},
        {"Printer Properties", "Propriétés de l'imprimante"},
        {"Advanced", "Avancé"},
        {"Double Sided Printing", "Impression recto verso"},
        {"Off", "Non"},
        {"Long side binding", "Reliure côté long"},
        {"Short side binding", "Reliure côté court"},
        {"Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. "
         "E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
         "Indiquez des pages ou des intervalles séparés par des virgules ; un intervalle est donné par deux "
         "numéros séparés par un tiret. Par exemple, 3,5-7,9 imprime les pages 3, 5, 6, 7 et 9."},
    };
    for (const auto& [anglais, francais] : kTextes)
      if (std::strcmp(texte, anglais) == 0) return QString::fromUtf8(francais);
    return {};
  }
};

}  // namespace

bool QtEnFrancais(QCoreApplication& application, std::ostream& avertissements, const QString& dossier) {
  // Qt's widgets describe files (kinds, sizes, dates) in the default locale's language.
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  auto* traduction = new QTranslator(&application);
  const bool chargee =
      traduction->load(QStringLiteral("qtbase_fr"), dossier) && QCoreApplication::installTranslator(traduction);
  if (!chargee) {
    delete traduction;
    avertissements << QStringLiteral(
                          "korvane : traductions françaises de Qt introuvables dans « %1 », les boutons restent en "
                          "anglais\n")
                          .arg(dossier)
                          .toStdString();
  }
  // Installed last, it is asked first.
  QCoreApplication::installTranslator(new ComplementTraductions(&application));
  return chargee;
}

}  // namespace korvane
