// korvane [FILE.bas...]: the IDE, with the given programs open.

#include <QStringList>
#include <iostream>

#include "ide/ApplicationKorvane.h"
#include "ide/DialoguesEditeur.h"
#include "ide/Icone.h"
#include "ide/TMainForm.h"
#include "ide/TSplash.h"
#include "screen/MessagesQt.h"

int main(int argc, char** argv) {
  korvane::ApplicationKorvane application(argc, argv);
  auto splash = korvane::TSplash::Affiche();
  application.setApplicationName(QStringLiteral("Korvane"));
  application.setDesktopFileName(QStringLiteral("korvane"));
  korvane::PoseIconeApplication(application);
  korvane::ChargeTraductionsQt(application, std::cerr);

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
