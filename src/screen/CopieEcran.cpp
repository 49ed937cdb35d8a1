#include "screen/CopieEcran.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <string>
#include <string_view>

#include "base/EcritureSure.h"
#include "screen/TForm3.h"
#include "screen/TexteQt.h"

namespace korvane {

namespace {
const QString kFiltrePng = QStringLiteral("Images PNG (*.png)|*.png");
}  // namespace

CopieEcran::CopieEcran(TForm3& fenetre, DialoguesEcran& dialogues, BoitesMessage& messages)
    : fenetre_(fenetre), dialogues_(dialogues), messages_(messages) {
  const auto ajoute = [this](const char* nom, const char* texte, auto geste) {
    auto* action = new QAction(QString::fromUtf8(texte), &fenetre_);
    action->setObjectName(QString::fromLatin1(nom));
    connect(action, &QAction::triggered, this, geste);
    fenetre_.addAction(action);
  };
  ajoute("CopierEcran", "Copier l'écran", [this] { Copier(); });
  ajoute("EnregistrerEcran", "Enregistrer l'écran...", [this] { Enregistrer(); });
  fenetre_.setContextMenuPolicy(Qt::ActionsContextMenu);
}

void CopieEcran::Copier() { QGuiApplication::clipboard()->setImage(fenetre_.Image()); }

bool CopieEcran::Enregistrer() {
  QString chemin = dialogues_.NomEnregistrement(&fenetre_, kFiltrePng, QStringLiteral("ecran.png"));
  if (chemin.isEmpty()) return false;
  if (QFileInfo(chemin).suffix().isEmpty()) chemin += QStringLiteral(".png");
  if (QFileInfo::exists(chemin) && !dialogues_.Remplacement(&fenetre_, QuestionRemplacement(chemin))) return false;

  QByteArray octets;
  QBuffer tampon(&octets);
  tampon.open(QIODevice::WriteOnly);
  std::string raison;
  if (!fenetre_.Image().save(&tampon, "PNG")) {
    raison = "l'image ne peut pas être codée en PNG";
  } else if (RemplaceFichier(QFile::encodeName(chemin).toStdString(),
                             std::string_view(octets.constData(), static_cast<std::size_t>(octets.size())), raison)) {
    return true;
  }
  Signale(QStringLiteral("Impossible d'enregistrer « %1 » : %2").arg(chemin, QString::fromStdString(raison)));
  return false;
}

void CopieEcran::Signale(const QString& texte) { messages_.Affiche(VersCp1252(texte)); }

}  // namespace korvane
