#include "tools/TPocket.h"

#include <QFrame>
#include <QKeyEvent>

#include "base/Texte.h"
#include "tools/Apparence.h"

namespace korvane {

namespace {

constexpr int kCote = 34;
constexpr int kHauteur = 33;
constexpr int kRangees[] = {57, 97, 137, 177};
constexpr int kColonnes[] = {12, 52, 92, 142, 192};


}  // namespace

TPocket::TPocket(BoitesMessage& messages, QWidget* parent)
    : QDialog(parent), messages_(messages), label1_(new QLabel(this)) {
  setWindowTitle(QStringLiteral("Calculatrice"));
  setFont(PoliceOutils());
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(342, 219);
  Colore(this, QPalette::Window, kSarcelle);

  auto* cadre = new QFrame(this);
  cadre->setGeometry(10, 8, 260, 38);
  Colore(cadre, QPalette::Window, QColor(0, 0, 128));
  label1_->setParent(cadre);
  label1_->setGeometry(4, 4, 252, 30);
  label1_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Colore(label1_, QPalette::Window, kArgent);
  Colore(label1_, QPalette::WindowText, Qt::black);
  QFont chiffres = label1_->font();
  chiffres.setPixelSize(20);
  label1_->setFont(chiffres);

  auto* label2 = new QLabel(this);
  label2->setGeometry(282, 8, 50, 6);
  Colore(label2, QPalette::Window, Qt::red);

  const char* const pave[4][3] = {{"7", "8", "9"}, {"4", "5", "6"}, {"1", "2", "3"}, {",", "0", "="}};
  for (int rangee = 0; rangee < 4; ++rangee)
    for (int colonne = 0; colonne < 3; ++colonne) {
      const QString texte = QString::fromLatin1(pave[rangee][colonne]);
      QPushButton* bouton = AjouteBouton(texte, QRect(kColonnes[colonne], kRangees[rangee], kCote, kHauteur));
      const char c = pave[rangee][colonne][0];
      if (c == ',')
        connect(bouton, &QPushButton::clicked, this, [this] {
          calcul_.Virgule();
          Fait(std::nullopt);
        });
      else if (c == '=')
        connect(bouton, &QPushButton::clicked, this, [this] { Fait(calcul_.Egal()); });
      else
        connect(bouton, &QPushButton::clicked, this, [this, c] {
          calcul_.Chiffre(c);
          Fait(std::nullopt);
        });
    }
  const char operateurs[] = {'+', '-', '*', '/'};
  for (int rangee = 0; rangee < 4; ++rangee) {
    const char operateur = operateurs[rangee];
    QPushButton* bouton = AjouteBouton(QString(QLatin1Char(operateur)), QRect(kColonnes[3], kRangees[rangee], kCote, kHauteur));
    connect(bouton, &QPushButton::clicked, this, [this, operateur] { Fait(calcul_.Operateur(operateur)); });
  }
  connect(AjouteBouton(QStringLiteral("1/x"), QRect(kColonnes[4], kRangees[0], kCote, kHauteur)), &QPushButton::clicked,
          this, [this] { Fait(calcul_.Inverse()); });
  connect(AjouteBouton(QStringLiteral("sqr"), QRect(kColonnes[4], kRangees[1], kCote, kHauteur)), &QPushButton::clicked,
          this, [this] { Fait(calcul_.Racine()); });
  connect(AjouteBouton(QStringLiteral("C"), QRect(kColonnes[4], kRangees[2], kCote, kHauteur)), &QPushButton::clicked,
          this, &TPocket::FormActivate);
  connect(AjouteBouton(QStringLiteral("Fermer"), QRect(256, kRangees[3], 74, kHauteur)), &QPushButton::clicked, this,
          &QDialog::reject);
}

QPushButton* TPocket::AjouteBouton(const QString& texte, QRect place) {
  auto* bouton = new QPushButton(texte, this);
  bouton->setGeometry(place);
  // Enter clicks the button that has the focus, "=" after a reset.
  bouton->setAutoDefault(true);
  return bouton;
}

QPushButton* TPocket::Bouton(const QString& texte) const {
  for (QPushButton* bouton : findChildren<QPushButton*>())
    if (bouton->text() == texte) return bouton;
  return nullptr;
}

void TPocket::Fait(const Calculatrice::Echec& echec) {
  label1_->setText(QString::fromStdString(calcul_.Affichage()));
  if (echec) messages_.Affiche(Utf8VersCp1252(*echec));
}

void TPocket::FormActivate() {
  calcul_.Raz();
  Fait(std::nullopt);
  Bouton(QStringLiteral("="))->setFocus();
}

void TPocket::showEvent(QShowEvent* evenement) {
  QDialog::showEvent(evenement);
  FormActivate();
}

// The keys of the buttons, wherever the focus is.
void TPocket::keyPressEvent(QKeyEvent* evenement) {
  const QString texte = evenement->text();
  if (evenement->key() == Qt::Key_Escape) {
    reject();
    return;
  }
  if (texte.size() != 1) {
    QDialog::keyPressEvent(evenement);
    return;
  }
  const QChar c = texte.front();
  QString legende;
  if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || QStringLiteral("+-*/=").contains(c))
    legende = c;
  else if (c == QLatin1Char(',') || c == QLatin1Char('.'))
    legende = QStringLiteral(",");
  else if (c.toUpper() == QLatin1Char('C'))
    legende = QStringLiteral("C");
  else if (c.toUpper() == QLatin1Char('S'))
    legende = QStringLiteral("sqr");
  else if (c.toUpper() == QLatin1Char('X'))
    legende = QStringLiteral("1/x");
  if (QPushButton* bouton = legende.isEmpty() ? nullptr : Bouton(legende))
    bouton->click();
  else
    QDialog::keyPressEvent(evenement);
}

}  // namespace korvane
