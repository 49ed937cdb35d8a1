#pragma once
// The main window: the editor windows in a multiple-document area, the menus and quick
// buttons that act on the active one, the status line showing the hint under the mouse,
// and a clock. It owns the application's single windows, created once in a fixed order.

#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QPointer>
#include <QString>
#include <QTime>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <vector>

#include "ide/Atelier.h"
#include "ide/TAboutBox.h"
#include "ide/TAide.h"

class QLocale;
class QMdiSubWindow;
class QMenu;

namespace korvane {

// The locale's long time format without its time zone: the clock shows seconds.
QString FormatHeure(const QLocale& locale);

class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  // `heure` gives the time the clock shows; tests fix it.
  TMainForm(BoitesMessage& messages, DialoguesEditeur& dialogues, SortieImpression impression = {},
            std::function<QTime()> heure = &QTime::currentTime);
  ~TMainForm() override;

  // A new document "Korvane - BAS<n>.BAS", n being the number of open editor windows + 1.
  TEditeur* FileNewItemClick();
  // Asks for a file and opens it in a new editor window.
  void FileOpenItemClick();
  // Opens `chemin` in a new editor window, even if it is open already; the window closes
  // again when the file cannot be read.
  TEditeur* Ouvre(const QString& chemin);

  // Enables the commands that need an editor window, or an editor window without a run.
  void UpdateMenuItems();
  void Timer1Timer();

  // The editor window the commands act on, if any.
  TEditeur* EditeurActif() const;
  std::vector<TEditeur*> Editeurs() const;

  // Menu items and quick buttons by name ("FileNewItem", "Excuter1", "SaveBtn"...).
  QAction* Commande(const QString& nom) const;
  QToolButton* Bouton(const QString& nom) const;
  QMenu* MenuFenetre() const { return menuFenetre_; }
  QMdiArea* Zone() const { return zone_; }
  QLabel* StatusLine() const { return statusLine_; }
  QLabel* Panel2() const { return panel2_; }
  // The caret's line and column in the active editor window.
  QLabel* PanelPosition() const { return panelPosition_; }
  QTimer* Timer1() const { return timer1_; }
  Atelier& Application() { return atelier_; }
  TAide& Aide() { return aide_; }
  TAboutBox& AboutBox() { return aboutBox_; }
  const QString& RepDepart() const { return repDepart_; }

 protected:
  bool event(QEvent* evenement) override;
  void showEvent(QShowEvent* evenement) override;
  void closeEvent(QCloseEvent* evenement) override;
  // Program files dropped on the window, its editors included, open as Fichier > Ouvrir does.
  void dragEnterEvent(QDragEnterEvent* evenement) override;
  void dragMoveEvent(QDragMoveEvent* evenement) override;
  void dropEvent(QDropEvent* evenement) override;
  bool eventFilter(QObject* objet, QEvent* evenement) override;

 private:
  struct Article;
  void CreeMenus();
  void CreeBoutons(QWidget* panneau);
  QWidget* CreeBarreEtat();
  QLabel* CreePanneauPosition(QWidget* parent);
  TEditeur* AjouteEditeur(const QString& titre);
  void Active(QMdiSubWindow* fenetre);
  std::vector<QMdiSubWindow*> FenetresOuvertes() const;
  void RemplitMenuFenetre();
  bool FermeEditeurs();
  void FormShow();
  void FormClose();
  void Configurationimpression1Click();
  void PasapasClick();
  // Where the window of rank `rang` goes when windows cascade from the area's top-left corner.
  QPoint PositionEnCascade(int rang, const QMdiSubWindow& fenetre) const;
  void WindowCascadeItemClick();
  void WindowArrangeItemClick();
  void WindowMinimizeItemClick();
  // The keys every editor has, beside the description's own.
  void AjouteRaccourcis();
  // "Annuler la frappe" and "Rétablir" at the top of the Edition menu.
  void AjouteAnnulation();
  // Follows the active editor's undo history and caret, run by UpdateMenuItems.
  void SuitEditeurActif();
  void MetAJourAnnulation();
  void MetAJourPosition();
  // True when `evenement` drags or drops program files, which it then takes.
  bool Depot(QEvent* evenement);

  BoitesMessage& messages_;
  DialoguesEditeur& dialogues_;
  SortieImpression impression_;
  std::function<QTime()> heure_;
  // The single windows, in their order of creation.
  TAboutBox aboutBox_;
  Atelier atelier_;
  TAide aide_;

  QMdiArea* zone_;
  QLabel* statusLine_ = nullptr;
  QLabel* panel2_ = nullptr;
  QTimer* timer1_;
  QMenu* menuFenetre_ = nullptr;
  QMenu* menuEdition_ = nullptr;
  QLabel* panelPosition_ = nullptr;
  QPointer<colmemo::TColorMemo> memoSuivi_;
  std::vector<QAction*> listeFenetres_;
  QPointer<QMdiSubWindow> courante_;
  QString repDepart_;
  bool montree_ = false;
  bool fermetureApresRun_ = false;
};

}  // namespace korvane
