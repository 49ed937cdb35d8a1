#include "ide/TListeSel.h"


namespace korvane {

namespace {

QString SansIndentation(const QString& ligne) {
  qsizetype debut = 0;
  while (debut < ligne.size() && (ligne[debut] == ' ' || ligne[debut] == '\t')) ++debut;
  return ligne.mid(debut);
}

// Keywords are matched with ASCII upper-casing only.
bool CommenceParSub(const QString& ligne) {
  if (ligne.size() < 3) return false;
  for (qsizetype i = 0; i < 3; ++i) {
    char16_t c = ligne[i].unicode();
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    if (c != u"SUB"[i]) return false;
  }
  return true;
}

}  // namespace

std::optional<int> LigneContenant(const QStringList& lignes, const QString& item) {
  if (item.isEmpty()) return std::nullopt;
  for (qsizetype k = 0; k < lignes.size(); ++k)
    if (lignes[k].contains(item)) return static_cast<int>(k);
  return std::nullopt;
}

TListeSel::TListeSel(QWidget* parent) : DialogueListe(parent) {
  setWindowTitle("Liste des Subs");
  setFixedSize(300, 250);
}

std::optional<int> TListeSel::ListeSubs(const QStringList& lignes) {
  Remplit(lignes);
  exec();
  return LigneContenant(lignes, Result());
}

void TListeSel::Remplit(const QStringList& lignes) {
  ListBox1()->clear();
  for (const QString& ligne : lignes)
    if (const QString sans = SansIndentation(ligne); CommenceParSub(sans)) ListBox1()->addItem(sans);
}

}  // namespace korvane
