// korvane-editeur [FILE.bas]: one editor window with the run commands on their own keys, for
// developers until the main window exists. Not installed.
//
//   F9 run, F7 continue, F5 breakpoint, F8 step mode on/off, F2 SUBs, F3 find next,
//   Ctrl+F find, Ctrl+H replace, Ctrl+S save, Ctrl+Shift+S save as, Ctrl+I import,
//   Ctrl+P print, Ctrl+T symbol table, Ctrl+E examine a variable, Ctrl+M run parameters.

#include <QApplication>
#include <QFileInfo>
#include <QShortcut>
#include <functional>

#include "ide/Atelier.h"
#include "screen/MessagesQt.h"

namespace {

void Raccourci(QWidget& fenetre, const QKeySequence& touches, std::function<void()> action) {
  auto* raccourci = new QShortcut(touches, &fenetre);
  QObject::connect(raccourci, &QShortcut::activated, &fenetre, std::move(action));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  application.setApplicationName(QStringLiteral("Korvane"));
  korvane::ChargeTraductionsQt(application);
  korvane::MessagesQt messages;
  korvane::DialoguesQt dialogues;
  korvane::Atelier atelier(messages, dialogues);
  const auto editeur = atelier.NouvelEditeur();
  editeur->setWindowTitle(QStringLiteral("Korvane - BAS1.BAS"));
  if (argc > 1 && editeur->OpenFile(QString::fromLocal8Bit(argv[1])))
    editeur->setWindowTitle(QStringLiteral("Korvane - ") + QFileInfo(editeur->NomFichier()).fileName());

  korvane::TEditeur& e = *editeur;
  bool pasAPas = false;
  Raccourci(e, Qt::Key_F9, [&] { atelier.Executer(e); });
  Raccourci(e, Qt::Key_F7, [&] { atelier.Continuer(e); });
  Raccourci(e, Qt::Key_F5, [&] { atelier.Arret(e); });
  Raccourci(e, Qt::Key_F8, [&] { atelier.Pasapas(pasAPas = !pasAPas); });
  Raccourci(e, Qt::Key_F2, [&] { atelier.ListeSubs(e); });
  Raccourci(e, Qt::Key_F3, [&] { e.Recherche().Continuer(); });
  Raccourci(e, QKeySequence(Qt::CTRL | Qt::Key_F), [&] { e.Recherche().Chercher(); });
  Raccourci(e, QKeySequence(Qt::CTRL | Qt::Key_H), [&] { e.Recherche().Remplacer(); });
  Raccourci(e, QKeySequence(Qt::CTRL | Qt::Key_S), [&] { e.Enregistrer(); });
  Raccourci(e, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [&] { e.SaveAs(); });
  Raccourci(e, QKeySequence(Qt::CTRL | Qt::Key_I), [&] { e.Importer(); });
  Raccourci(e, QKeySequence(Qt::CTRL | Qt::Key_P), [&] { e.Imprimer(); });
  Raccourci(e, QKeySequence(Qt::CTRL | Qt::Key_T), [&] { atelier.Stats(); });
  Raccourci(e, QKeySequence(Qt::CTRL | Qt::Key_E), [&] { atelier.Examiner(); });
  Raccourci(e, QKeySequence(Qt::CTRL | Qt::Key_M), [&] { atelier.Param(); });
  e.show();
  return application.exec();
}
