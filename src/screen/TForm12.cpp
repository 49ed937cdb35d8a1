#include "screen/TForm12.h"

#include <QWidget>
#include <algorithm>
#include <limits>

#include "base/Calcul.h"
#include "screen/ClavierQt.h"
#include "screen/TexteQt.h"

namespace korvane {

namespace {

constexpr int kHauteurBoite = 34;
constexpr int kHauteurChamp = 29;
constexpr int kMarge = 1;

// Whatever INPUT computes stays a geometry the window system accepts.
int BornePosition(int valeur) { return std::clamp(valeur, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX); }

}  // namespace

TForm12::TForm12(ClavierQt& clavier, QWidget* parent)
    : QDialog(parent), clavier_(clavier), edit1_(new QLineEdit(this)) {
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  QPalette couleurs = palette();
  couleurs.setColor(QPalette::Window, Qt::white);
  setPalette(couleurs);
  resize(kMarge + 424 + kMarge, kHauteurBoite);

  edit1_->setFrame(false);
  edit1_->setFont(PoliceEcran(false));
  // A text longer than the core keeps is given cut just past its limit, so that the core
  // refuses it rather than taking a silently shortened one.
  edit1_->setMaxLength(static_cast<int>(std::min<std::size_t>(kLongueurMaxChaine + 1, std::numeric_limits<int>::max())));
  setFocusProxy(edit1_);
  connect(edit1_, &QLineEdit::returnPressed, this, &QDialog::accept);
}

bool TForm12::Saisit(int gauche, int haut, int largeur, std::string& texte) {
  setGeometry(BornePosition(gauche), BornePosition(haut), std::clamp(largeur, 1, QWIDGETSIZE_MAX), kHauteurBoite);
  if (exec() != QDialog::Accepted) {
    clavier_.DemandeArret();
    return false;
  }
  texte = VersCp1252(Result());
  return true;
}

void TForm12::showEvent(QShowEvent* evenement) {
  edit1_->clear();
  QDialog::showEvent(evenement);
  raise();
  activateWindow();
  edit1_->setFocus();
}

void TForm12::resizeEvent(QResizeEvent* evenement) {
  edit1_->setGeometry(kMarge, 0, std::max(0, width() - 2 * kMarge), kHauteurChamp);
  QDialog::resizeEvent(evenement);
}

}  // namespace korvane
