// korvane [FILE.bas...]: the IDE, with the given programs open; korvane --help, --version.

#include <QStringList>
#include <iostream>
#include <string_view>

#include "ide/ApplicationKorvane.h"
#include "ide/DialoguesEditeur.h"
#include "ide/Icone.h"
#include "ide/TMainForm.h"
#include "ide/TSplash.h"
#include "screen/MessagesQt.h"

namespace {

constexpr const char* kAide =
    "Usage : korvane [FICHIER...]\n"
    "Ouvre l'environnement BASIC Korvane, avec chaque FICHIER dans une fenêtre d'édition.\n"
    "\n"
    "Fichiers acceptés :\n"
    "  FICHIER.bas   un programme BASIC, en UTF-8 ou en Windows-1252\n"
    "  FICHIER.txt   un texte, ouvert comme un programme\n"
    "\n"
    "  --help        affiche cette aide et quitte\n"
    "  --version     affiche la version et quitte\n"
    "\n"
    "Sans affichage graphique, « korvane-run FICHIER.bas » exécute un programme dans le terminal.\n";

// --help and --version are answered before the application exists, so that they need no display.
bool Renseigne(int argc, char** argv, int& statut) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument != "--help" && argument != "--version") continue;
    std::cout << (argument == "--help" ? kAide : "korvane " KORVANE_VERSION "\n") << std::flush;
    statut = std::cout ? 0 : 1;
    return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (int statut = 0; Renseigne(argc, argv, statut)) return statut;
  korvane::SansFichierDeReglages();
  korvane::ApplicationKorvane application(argc, argv);
  auto splash = korvane::TSplash::Affiche();
  application.setApplicationName(QStringLiteral("Korvane"));
  application.setDesktopFileName(QStringLiteral("korvane"));
  korvane::PoseIconeApplication(application);
  korvane::QtEnFrancais(application, std::cerr);

  korvane::MessagesQt messages;
  application.MessagesVers(&messages);
  korvane::DialoguesQt dialogues;
  korvane::TMainForm fenetre(messages, dialogues);
  splash.reset();

  fenetre.show();
  const QStringList fichiers = korvane::ApplicationKorvane::arguments().mid(1);
  for (const QString& fichier : fichiers) fenetre.Ouvre(fichier);
  return application.exec();
}
