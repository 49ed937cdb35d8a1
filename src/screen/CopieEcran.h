#pragma once
// The run window's context menu, which keeps what a program drew: "Copier l'écran" puts the
// picture on the clipboard, "Enregistrer l'écran..." writes it to a PNG file.

#include <QObject>
#include <QString>

#include "interpreter/Interpreteur.h"
#include "screen/DialoguesEcran.h"

namespace korvane {

class TForm3;

class CopieEcran : public QObject {
  Q_OBJECT

 public:
  // Gives `fenetre` the menu; `dialogues` ask for the file, `messages` tell a failure.
  CopieEcran(TForm3& fenetre, DialoguesEcran& dialogues, BoitesMessage& messages);

  void Copier();
  // True once the picture is on disk; a cancel, or a replacement refused, gives false.
  bool Enregistrer();

 private:
  void Signale(const QString& texte);

  TForm3& fenetre_;
  DialoguesEcran& dialogues_;
  BoitesMessage& messages_;
};

}  // namespace korvane
