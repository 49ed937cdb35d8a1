#pragma once
// Text at the boundary between the core (Windows-1252 bytes) and Qt, and the fonts of the
// run window and its input box.

#include <QFont>
#include <QString>
#include <string>
#include <string_view>

namespace korvane {

QString DepuisCp1252(std::string_view texte);
// Characters outside Windows-1252 become '?'.
std::string VersCp1252(const QString& texte);

// DejaVu Sans with characters 17 pixels high: bold on the run window, regular in the input box.
QFont PoliceEcran(bool gras);

}  // namespace korvane
