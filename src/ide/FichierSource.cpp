#include "ide/FichierSource.h"

#include <QByteArray>
#include <QFile>
#include <string>
#include <string_view>

#include "base/EcritureSure.h"
#include "base/Texte.h"

namespace korvane {

namespace {

QString EnQString(const std::string& ligne, Encodage codage) {
  const std::string utf8 = codage == Encodage::Utf8 ? ligne : Cp1252VersUtf8(ligne);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The text document turns these into line breaks of its own, so saving would change them.
bool ChangeParLeDocument(QChar c) {
  return c == QChar::ParagraphSeparator || c == QChar(0xFDD0) || c == QChar(0xFDD1);
}

// "le caractère U+2029 (ligne 3)" for the first character the editor cannot hold, if any.
std::optional<QString> CaractereRefuse(const QStringList& lignes) {
  for (qsizetype numero = 0; numero < lignes.size(); ++numero)
    for (const QChar c : lignes[numero])
      if (ChangeParLeDocument(c))
        return QStringLiteral("le caractère U+%1 ne peut pas être gardé par l'éditeur (ligne %2)")
            .arg(QString::number(c.unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0')))
            .arg(numero + 1);
  return std::nullopt;
}

std::string Octets(const QStringList& lignes, FormatSource& format) {
  QString texte;
  qsizetype taille = 0;
  for (const QString& ligne : lignes) taille += ligne.size() + 2;
  texte.reserve(taille);
  for (const QString& ligne : lignes) {
    texte += ligne;
    texte += QLatin1String("\r\n");
  }
  const QByteArray utf8 = texte.toUtf8();
  const std::string_view vue(utf8.constData(), static_cast<std::size_t>(utf8.size()));
  std::string octets(format.Bom ? kBomUtf8 : std::string_view());
  if (format.Codage == Encodage::Windows1252) {
    bool perte = false;
    std::string cp1252 = Utf8VersCp1252(vue, &perte);
    if (!perte) return octets + cp1252;
    format.Codage = Encodage::Utf8;
  }
  return octets.append(vue);
}

}  // namespace

std::optional<Source> ChargeSource(const QString& chemin, QString& raison) {
  std::string pourquoi;
  std::optional<SourceLue> lue = LitSource(QFile::encodeName(chemin).toStdString(), pourquoi);
  if (!lue) {
    raison = QString::fromStdString(pourquoi);
    return std::nullopt;
  }
  Source source{{}, lue->Format};
  source.Lignes.reserve(static_cast<qsizetype>(lue->Lignes.size()));
  for (std::string& ligne : lue->Lignes) {
    source.Lignes << EnQString(ligne, lue->Format.Codage);
    std::string().swap(ligne);
  }
  if (auto refus = CaractereRefuse(source.Lignes)) {
    raison = *refus;
    return std::nullopt;
  }
  return source;
}

std::optional<FormatSource> EnregistreSource(const QString& chemin, const QStringList& lignes, FormatSource format,
                                             QString& raison) {
  const std::string octets = Octets(lignes, format);
  std::string pourquoi;
  if (!RemplaceFichier(QFile::encodeName(chemin).toStdString(), octets, pourquoi)) {
    raison = QString::fromStdString(pourquoi);
    return std::nullopt;
  }
  return format;
}

}  // namespace korvane
