#pragma once
// The editor's source files: read as UTF-8 when their bytes are valid UTF-8, otherwise as
// Windows-1252, with CR LF or LF line ends; written with CR LF in the encoding they were read in.

#include <QString>
#include <QStringList>
#include <optional>

namespace korvane {

enum class Encodage { Utf8, Utf8AvecBom, Windows1252 };

struct Source {
  QStringList Lignes;
  Encodage Codage = Encodage::Utf8;
};

// The file's lines, or nothing with the system's reason in `raison`.
std::optional<Source> LitSource(const QString& chemin, QString& raison);

// Writes each line followed by CR LF through a temporary file renamed over `chemin`, so that a
// failure leaves the old file whole. A line `codage` cannot store makes the file UTF-8 rather
// than lose a character. Returns the encoding written, or nothing with the system's reason.
std::optional<Encodage> EcritSource(const QString& chemin, const QStringList& lignes, Encodage codage, QString& raison);

}  // namespace korvane
