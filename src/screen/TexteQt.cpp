#include "screen/TexteQt.h"

#include "base/Texte.h"

namespace korvane {

namespace {
constexpr int kHauteurCaracteres = 17;
}  // namespace

QString DepuisCp1252(std::string_view texte) { return QString::fromStdString(Cp1252VersUtf8(texte)); }

std::string VersCp1252(const QString& texte) { return Utf8VersCp1252(texte.toStdString()); }

QFont PoliceEcran(bool gras) {
  QFont police(QStringLiteral("DejaVu Sans"));
  // A pixel size is the height of the characters themselves, without the font's leading.
  police.setPixelSize(kHauteurCaracteres);
  police.setBold(gras);
  return police;
}

}  // namespace korvane
