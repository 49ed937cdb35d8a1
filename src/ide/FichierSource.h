#pragma once
// The editor's source files, read by the one reader of program files and written by the one
// safe writer: saving a document without an edit gives back the file's bytes, line ends aside.

#include <QString>
#include <QStringList>
#include <optional>

#include "base/Source.h"

namespace korvane {

struct Source {
  QStringList Lignes;
  FormatSource Format;
};

// The file's lines, or nothing with the French reason in `raison`: the file cannot be read,
// passes the limits, or holds a character the editor would change.
[[nodiscard]] std::optional<Source> ChargeSource(const QString& chemin, QString& raison);

// Writes each line followed by CR LF in `format`, replacing `chemin` only once every byte is on
// the disk. A line Windows-1252 cannot store makes the file UTF-8 rather than lose a character.
// Returns the format written, or nothing with the French reason.
[[nodiscard]] std::optional<FormatSource> EnregistreSource(const QString& chemin, const QStringList& lignes,
                                                           FormatSource format, QString& raison);

}  // namespace korvane
