#include "ide/RechercheMemo.h"

#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextCursor>
#include <algorithm>
#include <cstddef>

#include "base/Texte.h"
#include "screen/TexteQt.h"

namespace korvane {

namespace {

void Montre(QDialog& boite) {
  boite.show();
  boite.raise();
  boite.activateWindow();
}

// The text as the document keeps it once inserted: "\r\n" becomes one paragraph separator, as
// a lone carriage return or line feed does.
QString CommeInsere(const QString& texte) {
  QTextDocument document;
  QTextCursor(&document).insertText(texte);
  return document.toRawText();
}

// The memo's text as the search reads it, and its selection.
struct EtatMemo {
  std::string Tampon;
  std::size_t Debut;
  std::size_t Longueur;
};

EtatMemo Etat(const QPlainTextEdit& memo) {
  const QTextCursor selection = memo.textCursor();
  return {TamponDocument(memo.document()->toRawText()), static_cast<std::size_t>(selection.selectionStart()),
          static_cast<std::size_t>(selection.selectionEnd() - selection.selectionStart())};
}

void Selectionne(QPlainTextEdit& memo, std::size_t debut, qsizetype longueur) {
  QTextCursor curseur(memo.document());
  curseur.setPosition(static_cast<int>(debut));
  curseur.setPosition(static_cast<int>(debut) + static_cast<int>(longueur), QTextCursor::KeepAnchor);
  memo.setTextCursor(curseur);
}

}  // namespace

std::string TamponDocument(const QString& texte) {
  std::string tampon(static_cast<std::size_t>(texte.size()), '\0');
  std::transform(texte.begin(), texte.end(), tampon.begin(), [](QChar c) {
    if (c.unicode() < 0x80) return static_cast<char>(c.unicode());  // most of a program, without a call
    if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) return '\n';
    const int octet = OctetCp1252(c.unicode());  // none for a surrogate
    return static_cast<char>(octet < 0 ? '?' : octet);
  });
  return tampon;
}

bool ChercheTexte(QPlainTextEdit& memo, const QString& texte, const OptionsRecherche& options) {
  if (texte.isEmpty() || memo.document()->isEmpty()) return false;
  const EtatMemo etat = Etat(memo);
  const auto trouve = ChercheDansTampon(etat.Tampon, etat.Debut, etat.Longueur, TamponDocument(texte), options);
  if (!trouve) return false;
  Selectionne(memo, *trouve, texte.size());
  return true;
}

TRechercheMemo::TRechercheMemo(QPlainTextEdit& memo, BoitesMessage& messages)
    : Memo_(memo),
      Messages_(messages),
      FindDialog1_(new TBoiteChercher(&memo)),
      ReplaceDialog1_(new TBoiteRemplacer(&memo)) {
  const auto find = [this](const QString& texte, const OptionsRecherche& options) { Find(texte, options); };
  QObject::connect(FindDialog1_, &TBoiteChercher::Find, &Connexions_, find);
  QObject::connect(ReplaceDialog1_, &TBoiteChercher::Find, &Connexions_, find);
  QObject::connect(ReplaceDialog1_, &TBoiteRemplacer::Replace, &Connexions_,
                   [this](const QString& texte, const QString& remplacement, const OptionsRecherche& options,
                          bool tout) { Replace(texte, remplacement, options, tout); });
}

void TRechercheMemo::Chercher() { Montre(*FindDialog1_); }

void TRechercheMemo::Find(const QString& texte, const OptionsRecherche& options) {
  if (!ChercheTexte(Memo_, texte, options))
    Messages_.Affiche(Cp("Chaîne rechechée \"") + VersCp1252(texte) + Cp("\" non trouvée"));
}

void TRechercheMemo::Continuer() { Find(FindDialog1_->Texte(), FindDialog1_->Options()); }

void TRechercheMemo::Remplacer() { Montre(*ReplaceDialog1_); }

void TRechercheMemo::Replace(const QString& texte, const QString& remplacement, const OptionsRecherche& options,
                             bool tout) {
  if (Memo_.isReadOnly()) return;
  const EtatMemo etat = Etat(Memo_);
  const Remplacements r = CalculeRemplacements(etat.Tampon, etat.Debut, etat.Longueur, TamponDocument(texte),
                                               TamponDocument(CommeInsere(remplacement)), options, tout);
  if (!r.Positions.empty()) {
    QTextCursor curseur(Memo_.document());
    // One Ctrl+Z undoes the whole of a "Remplacer tout".
    curseur.beginEditBlock();
    for (const std::size_t position : r.Positions) {
      curseur.setPosition(static_cast<int>(position));
      curseur.setPosition(static_cast<int>(position) + static_cast<int>(texte.size()), QTextCursor::KeepAnchor);
      curseur.insertText(remplacement);
    }
    curseur.endEditBlock();
    Memo_.setTextCursor(curseur);
  }
  if (r.Selection)
    Selectionne(Memo_, *r.Selection, texte.size());
  else if (!tout)
    Messages_.Affiche(Cp("Chaîne recherchée \"") + VersCp1252(texte) + Cp("\"non trouvée"));
}

}  // namespace korvane
