#include "screen/ClavierQt.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "base/Texte.h"

namespace korvane {

namespace {

// Keys typed faster than a program reads them wait here; beyond this they are dropped, as
// a full keyboard buffer does.
constexpr std::size_t kTouchesEnAttente = 256;

// Under X11 and Wayland, Ctrl+Pause is the symbol Break, which Qt gives with no key code.
constexpr quint32 kSymboleXkbBreak = 0xff6b;

}  // namespace

bool ClavierQt::EstToucheArret(const QKeyEvent& touche) {
  const bool ctrl = touche.modifiers().testFlag(Qt::ControlModifier);
  return touche.key() == Qt::Key_Escape || touche.key() == Qt::Key_Cancel || (ctrl && touche.key() == Qt::Key_Pause) ||
         touche.nativeVirtualKey() == kSymboleXkbBreak;
}

std::string ClavierQt::ToucheLue() {
  if (touches_.empty()) return {};
  std::string touche = std::move(touches_.front());
  touches_.pop_front();
  return touche;
}

bool ClavierQt::ArretDemande() {
  QCoreApplication::processEvents();
  return arret_;
}

bool ClavierQt::Frappe(const QKeyEvent& touche) {
  if (EstToucheArret(touche)) {
    arret_ = true;
    return true;
  }
  bool caractere = false;
  for (const char32_t point : touche.text().toUcs4()) {
    bool perte = false;
    std::string octet = Utf8VersCp1252(QString::fromUcs4(&point, 1).toStdString(), &perte);
    if (perte || octet.size() != 1) continue;
    caractere = true;
    if (touches_.size() < kTouchesEnAttente) touches_.push_back(std::move(octet));
  }
  return caractere;
}

void ClavierQt::Reinitialise() {
  touches_.clear();
  arret_ = false;
}

}  // namespace korvane
