#pragma once
// The help window: the French help pages built into the application, a contents tree, a
// keyword index filtered by a search field, and the page browser. Not modal.

#include <QLineEdit>
#include <QListWidget>
#include <QString>
#include <QStringList>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QUrl>
#include <QWidget>

namespace korvane {

class TAide : public QWidget {
  Q_OBJECT

 public:
  explicit TAide(QWidget* parent = nullptr);

  // The three requests of the "Aide" menu: the contents, the keyword index with an empty
  // search field, the page on using this window.
  void HContents();
  void HSearch();
  void HowToUse();

  // The resource paths of every help page (":/aide/....html").
  static QStringList Pages();

  QTabWidget* Onglets() const { return onglets_; }
  QTreeWidget* Sommaire() const { return sommaire_; }
  QLineEdit* Recherche() const { return recherche_; }
  QListWidget* Index() const { return index_; }
  QTextBrowser* Page() const { return page_; }

 private:
  void Filtre(const QString& texte);
  void Montre(const QUrl& adresse);
  void Ouvre();

  QTabWidget* onglets_;
  QTreeWidget* sommaire_;
  QLineEdit* recherche_;
  QListWidget* index_;
  QTextBrowser* page_;
};

}  // namespace korvane
