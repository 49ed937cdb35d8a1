#pragma once
// What the editor tests share: files in a temporary folder.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace korvane::test {

inline void EcritOctets(const QString& chemin, const QByteArray& octets) {
  QFile fichier(chemin);
  ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
  ASSERT_EQ(fichier.write(octets), octets.size());
}

inline QByteArray LitOctets(const QString& chemin) {
  QFile fichier(chemin);
  return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}

// A path no one can write, root included: its folder is a regular file.
inline QString CheminSousUnFichier(const QTemporaryDir& dossier) {
  const QString fichier = dossier.filePath(QStringLiteral("fichier"));
  EcritOctets(fichier, "x");
  return fichier + QStringLiteral("/prog.bas");
}

}  // namespace korvane::test
