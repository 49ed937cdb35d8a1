#include "ide/FichierSource.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <string_view>

#include "base/Texte.h"

namespace korvane {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

QString DepuisUtf8(std::string_view octets) {
  return QString::fromUtf8(octets.data(), static_cast<qsizetype>(octets.size()));
}

}  // namespace

std::optional<Source> LitSource(const QString& chemin, QString& raison) {
  QFile fichier(chemin);
  if (!fichier.open(QIODevice::ReadOnly)) {
    raison = fichier.errorString();
    return std::nullopt;
  }
  const QByteArray octets = fichier.readAll();
  if (fichier.error() != QFileDevice::NoError) {
    raison = fichier.errorString();
    return std::nullopt;
  }
  std::string_view vue(octets.constData(), static_cast<std::size_t>(octets.size()));
  Source source;
  QString texte;
  if (vue.starts_with(kBom) && EstUtf8Valide(vue.substr(kBom.size()))) {
    source.Codage = Encodage::Utf8AvecBom;
    texte = DepuisUtf8(vue.substr(kBom.size()));
  } else if (EstUtf8Valide(vue)) {
    texte = DepuisUtf8(vue);
  } else {
    source.Codage = Encodage::Windows1252;
    texte = QString::fromStdString(Cp1252VersUtf8(vue));
  }
  source.Lignes = texte.split(QLatin1Char('\n'));
  // The last line end closes the last line rather than opening an empty one.
  if (source.Lignes.back().isEmpty()) source.Lignes.removeLast();
  for (QString& ligne : source.Lignes)
    if (ligne.endsWith(QLatin1Char('\r'))) ligne.chop(1);
  return source;
}

std::optional<Encodage> EcritSource(const QString& chemin, const QStringList& lignes, Encodage codage,
                                    QString& raison) {
  QString texte;
  qsizetype taille = 0;
  for (const QString& ligne : lignes) taille += ligne.size() + 2;
  texte.reserve(taille);
  for (const QString& ligne : lignes) {
    texte += ligne;
    texte += QLatin1String("\r\n");
  }
  const QByteArray utf8 = texte.toUtf8();
  QByteArray octets;
  if (codage == Encodage::Windows1252) {
    bool perte = false;
    const std::string cp1252 =
        Utf8VersCp1252(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())), &perte);
    if (perte)
      codage = Encodage::Utf8;
    else
      octets = QByteArray(cp1252.data(), static_cast<qsizetype>(cp1252.size()));
  }
  if (codage == Encodage::Utf8) octets = utf8;
  if (codage == Encodage::Utf8AvecBom) octets = QByteArray(kBom.data(), static_cast<qsizetype>(kBom.size())) + utf8;

  QSaveFile fichier(chemin);
  if (!fichier.open(QIODevice::WriteOnly) || fichier.write(octets) != octets.size() || !fichier.commit()) {
    raison = fichier.errorString();
    return std::nullopt;
  }
  return codage;
}

}  // namespace korvane
