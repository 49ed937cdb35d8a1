#pragma once
// The splash window shown while the start-up creates the windows: a blue panel on a yellow
// borderless window, with the program's picture, name, version and maker.

#include <QWidget>
#include <memory>

namespace korvane {

class TSplash : public QWidget {
  Q_OBJECT

 public:
  explicit TSplash(QWidget* parent = nullptr);

  // A splash centred on the screen, shown and painted before the start-up goes on; the
  // start-up destroys it before the message loop starts.
  static std::unique_ptr<TSplash> Affiche();

  static constexpr int Largeur = 318;
  static constexpr int Hauteur = 221;
  static constexpr int Marge = 6;   // the yellow seen around the panel
  static constexpr int Biseau = 3;  // the panel's raised bevel
};

}  // namespace korvane
