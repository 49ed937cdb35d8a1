#include "ide/RechercheMemo.h"

#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextCursor>
#include <optional>

#include "base/Texte.h"
#include "screen/TexteQt.h"

namespace korvane {

namespace {

void Montre(QDialog& boite) {
  boite.show();
  boite.raise();
  boite.activateWindow();
}

// The selection replaced by `texte`, the caret after it; returns where the new text starts.
int RemplaceSelection(QPlainTextEdit& memo, const QString& texte) {
  QTextCursor curseur = memo.textCursor();
  const int debut = curseur.selectionStart();
  curseur.insertText(texte);
  memo.setTextCursor(curseur);
  return debut;
}

}  // namespace

std::string TamponDocument(const QString& texte) {
  QString unites = texte;
  for (QChar& c : unites) {
    if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
      c = u'\n';
    else if (c.isSurrogate())
      c = u'?';
  }
  return VersCp1252(unites);
}

bool ChercheTexte(QPlainTextEdit& memo, const QString& texte, const OptionsRecherche& options) {
  const QString contenu = memo.document()->toRawText();
  if (texte.isEmpty() || contenu.isEmpty()) return false;
  const QTextCursor selection = memo.textCursor();
  const auto trouve =
      ChercheDansTampon(TamponDocument(contenu), static_cast<std::size_t>(selection.selectionStart()),
                        static_cast<std::size_t>(selection.selectionEnd() - selection.selectionStart()),
                        TamponDocument(texte), options);
  if (!trouve) return false;
  QTextCursor curseur(memo.document());
  curseur.setPosition(static_cast<int>(*trouve));
  curseur.setPosition(static_cast<int>(*trouve) + static_cast<int>(texte.size()), QTextCursor::KeepAnchor);
  memo.setTextCursor(curseur);
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
  std::optional<int> insere;  // where the last replacement put its text
  if (MemeTexteSansCasse(TamponDocument(Memo_.textCursor().selectedText()), TamponDocument(texte)))
    insere = RemplaceSelection(Memo_, remplacement);
  bool trouve = ChercheTexte(Memo_, texte, options);
  while (trouve && tout) {
    // Going up, a match inside the text just put in is found again in every copy of it: stop
    // rather than replace forever.
    if (!options.Bas && insere && Memo_.textCursor().selectionStart() >= *insere) return;
    insere = RemplaceSelection(Memo_, remplacement);
    trouve = ChercheTexte(Memo_, texte, options);
  }
  if (!trouve && !tout)
    Messages_.Affiche(Cp("Chaîne recherchée \"") + VersCp1252(texte) + Cp("\"non trouvée"));
}

}  // namespace korvane
