#include "ide/ApplicationKorvane.h"

#include <cstdio>
#include <new>

#include "base/Texte.h"

namespace korvane {

ApplicationKorvane::ApplicationKorvane(int& argc, char** argv) : QApplication(argc, argv) {}

bool ApplicationKorvane::notify(QObject* destinataire, QEvent* evenement) {
  try {
    return QApplication::notify(destinataire, evenement);
  } catch (const std::bad_alloc&) {
    if (messages_ != nullptr) messages_->Affiche(Cp("Mémoire insuffisante"));
    else std::fputs("korvane : Mémoire insuffisante\n", stderr);
    return false;
  }
}

}  // namespace korvane
