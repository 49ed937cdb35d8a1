#include "screen/TForm3.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QRegion>
#include <algorithm>
#include <cmath>

#include "base/Calcul.h"
#include "screen/ClavierQt.h"
#include "screen/TexteQt.h"

namespace korvane {

namespace {
const QPoint kPosition(81, 104);
const QSize kTailleExterne(640, 450);
// A dialog in the window system's eyes, so that it is transient for the main window and
// stays above it, with the buttons of a main window. Qt marks only dialogs transient.
constexpr Qt::WindowFlags kGenre = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
// Beyond this many texts waiting, they are rendered: each new one is checked against them.
constexpr std::size_t kTextesEnAttente = 64;
}  // namespace

TForm3::TForm3(ClavierQt& clavier, QWidget* parent)
    : QWidget(parent, kGenre), clavier_(clavier), police_(PoliceEcran(true)), brute_(QRawFont::fromFont(police_)) {
  setWindowTitle(QStringLiteral("Ecran"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  QPalette couleurs = palette();
  couleurs.setColor(QPalette::Window, Qt::white);
  setPalette(couleurs);
  setFocusPolicy(Qt::StrongFocus);
  move(kPosition);
  resize(kTailleExterne);

  const QFontMetrics mesure(police_);
  ascendante_ = mesure.ascent();
  hauteurTexte_ = mesure.height();
  // Texts are laid out as the core counts them, one byte a character, with whole-pixel
  // widths and no kerning: what PRINT measures is exactly what is drawn.
  QString caracteres;
  for (int octet = 0; octet < 256; ++octet) caracteres += DepuisCp1252(std::string(1, static_cast<char>(octet)));
  const QList<quint32> indices = brute_.glyphIndexesForString(caracteres);
  for (std::size_t octet = 0; octet < glyphes_.size() && octet < static_cast<std::size_t>(indices.size()); ++octet) {
    glyphes_[octet] = indices[static_cast<qsizetype>(octet)];
    if (glyphes_[octet] == 0) continue;
    largeurs_[octet] = mesure.horizontalAdvance(caracteres[static_cast<qsizetype>(octet)]);
    encres_[octet] = brute_.boundingRect(glyphes_[octet]).toAlignedRect();
  }
  AjusteImage();
}

void TForm3::Montre(const std::string& titre) {
  clavier_.Reinitialise();
  setWindowTitle(DepuisCp1252(titre));
  setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  raise();
  activateWindow();
}

int TForm3::LargeurTexte(const std::string& texte) {
  int64_t largeur = 0;
  for (const char c : texte) largeur += largeurs_[static_cast<unsigned char>(c)];
  return Borne(largeur);
}

void TForm3::DessineTexte(int x, int y, const std::string& texte) {
  const QRect cellule = Visible(x, y, int64_t{x} + LargeurTexte(texte), int64_t{y} + hauteurTexte_);
  if (cellule.isEmpty()) return;
  // The painter clips to the client area of the moment, for this text too.
  Peintre();
  Texte nouveau{cellule, cellule, couleurTexte_, QPointF(0, y + ascendante_), {}};
  QList<quint32> glyphes;
  QList<QPointF> positions;
  int64_t position = x;
  for (const char c : texte) {
    const auto octet = static_cast<unsigned char>(c);
    if (position > width()) break;
    const QRect& encre = encres_[octet];
    // Only glyphs that reach the client area are kept, so their positions stay small.
    if (glyphes_[octet] != 0 && position + encre.x() + encre.width() > 0) {
      glyphes.push_back(glyphes_[octet]);
      positions.push_back(QPointF(static_cast<qreal>(position), 0));
      nouveau.Encre |= encre.translated(static_cast<int>(position), y + ascendante_);
    }
    position += largeurs_[octet];
  }
  nouveau.Encre &= rect();
  nouveau.Glyphes.setRawFont(brute_);
  nouveau.Glyphes.setGlyphIndexes(glyphes);
  nouveau.Glyphes.setPositions(positions);

  // Texts that this one blanks entirely need never be rendered.
  std::erase_if(textes_, [&](const Texte& ancien) { return cellule.contains(ancien.Encre); });
  if (textes_.size() >= kTextesEnAttente) RendTextes();
  textes_.push_back(std::move(nouveau));
  update(textes_.back().Encre);
}

void TForm3::Trait(int x1, int y1, int x2, int y2) {
  const QRect zone =
      Visible(std::min(x1, x2), std::min(y1, y2), int64_t{std::max(x1, x2)} + 1, int64_t{std::max(y1, y2)} + 1);
  if (zone.isEmpty()) return;
  RendTextes();
  QPainter& peintre = Peintre();
  // Flat ends: the end point is not drawn.
  peintre.setPen(plume_);
  peintre.drawLine(x1, y1, x2, y2);
  update(zone);
}

void TForm3::Rectangle(int x1, int y1, int x2, int y2) {
  const int64_t gauche = std::min(x1, x2), droite = std::max(x1, x2);
  const int64_t haut = std::min(y1, y2), bas = std::max(y1, y2);
  const QRect boite = Visible(gauche, haut, droite, bas);
  if (boite.isEmpty()) return;
  RendTextes();
  QPainter& peintre = Peintre();
  peintre.fillRect(boite, Qt::white);
  // The pen's one-pixel outline on the first and last rows and columns of the box.
  for (const QRect& bord : {Visible(gauche, haut, droite, haut + 1), Visible(gauche, bas - 1, droite, bas),
                            Visible(gauche, haut, gauche + 1, bas), Visible(droite - 1, haut, droite, bas)})
    if (!bord.isEmpty()) peintre.fillRect(bord, plume_.color());
  update(boite);
}

void TForm3::ChangeCouleurTexte(Couleur couleur) { couleurTexte_ = QColor(couleur.Rouge, couleur.Vert, couleur.Bleu); }

Geometrie TForm3::Fenetre() {
  const QRect cadre = frameGeometry();
  return {cadre.x(), cadre.y(), cadre.width(), cadre.height()};
}

QImage TForm3::Image() {
  TerminePeintre();
  const qreal ratio = image_.devicePixelRatio();
  QImage vue = image_.copy(QRect(QPoint(0, 0), (QSizeF(size()) * ratio).toSize()));
  vue.setDevicePixelRatio(ratio);
  return vue;
}

void TForm3::paintEvent(QPaintEvent*) {
  TerminePeintre();
  AjusteImage();
  QPainter(this).drawImage(QPoint(0, 0), image_);
}

void TForm3::resizeEvent(QResizeEvent* evenement) {
  // The painter clips to the client area, which changes.
  TerminePeintre();
  AjusteImage();
  AjusteCadre();
  QWidget::resizeEvent(evenement);
}

void TForm3::moveEvent(QMoveEvent* evenement) {
  AjusteCadre();
  QWidget::moveEvent(evenement);
}

void TForm3::closeEvent(QCloseEvent* evenement) {
  // A program left running unseen would hold the editor read-only: closing stops it, as Échap does.
  clavier_.DemandeArret();
  textes_.clear();
  TerminePeintre();
  image_.fill(Qt::white);
  QWidget::closeEvent(evenement);
}

void TForm3::keyPressEvent(QKeyEvent* evenement) {
  if (!clavier_.Frappe(*evenement)) QWidget::keyPressEvent(evenement);
}

QRect TForm3::Visible(int64_t x1, int64_t y1, int64_t x2, int64_t y2) const {
  const int64_t gauche = std::clamp<int64_t>(x1, 0, width()), droite = std::clamp<int64_t>(x2, 0, width());
  const int64_t haut = std::clamp<int64_t>(y1, 0, height()), bas = std::clamp<int64_t>(y2, 0, height());
  if (droite <= gauche || bas <= haut) return {};
  return {static_cast<int>(gauche), static_cast<int>(haut), static_cast<int>(droite - gauche),
          static_cast<int>(bas - haut)};
}

QPainter& TForm3::Peintre() {
  // One painter serves every drawing between two repaints.
  if (!peintre_.isActive()) {
    peintre_.begin(&image_);
    peintre_.setClipRect(rect());
  }
  return peintre_;
}

void TForm3::RendTextes() {
  if (textes_.empty()) return;
  QPainter& peintre = Peintre();
  for (const Texte& texte : textes_) {
    // Opaque text: its cell is blanked first.
    peintre.fillRect(texte.Cellule, Qt::white);
    if (texte.Glyphes.glyphIndexes().isEmpty()) continue;
    if (peintre.pen().color() != texte.Couleur) peintre.setPen(texte.Couleur);
    peintre.drawGlyphRun(texte.Origine, texte.Glyphes);
  }
  textes_.clear();
}

void TForm3::TerminePeintre() {
  RendTextes();
  if (peintre_.isActive()) peintre_.end();
}

void TForm3::AjusteImage() {
  const qreal ratio = devicePixelRatioF();
  const QSize taille = tailleImage_.expandedTo(size());
  if (!image_.isNull() && taille == tailleImage_ && ratio == image_.devicePixelRatio()) return;
  TerminePeintre();
  QImage nouvelle(static_cast<int>(std::ceil(taille.width() * ratio)),
                  static_cast<int>(std::ceil(taille.height() * ratio)), QImage::Format_RGB32);
  nouvelle.setDevicePixelRatio(ratio);
  nouvelle.fill(Qt::white);
  if (!image_.isNull()) QPainter(&nouvelle).drawImage(QPoint(0, 0), image_);
  image_ = std::move(nouvelle);
  tailleImage_ = taille;
}

void TForm3::AjusteCadre() {
  // Once the window system has framed the window, the client gives the frame its room so
  // that the outer size is the window's.
  if (cadreAjuste_ || !isVisible()) return;
  const QSize cadre = frameGeometry().size() - size();
  if (cadre == QSize(0, 0)) return;
  cadreAjuste_ = true;
  const QSize client = kTailleExterne - cadre;
  resize(client);
  // A CLS run before the frame came drew its right and bottom edges inside the client area
  // of that moment, which is outside it now: they would show when the window is enlarged.
  EffaceHorsDe(client);
}

void TForm3::EffaceHorsDe(QSize client) {
  TerminePeintre();
  const QRegion dehors = QRegion(QRect(QPoint(0, 0), tailleImage_)) - QRegion(QRect(QPoint(0, 0), client));
  QPainter peintre(&image_);
  for (const QRect& zone : dehors) peintre.fillRect(zone, Qt::white);
}

}  // namespace korvane
