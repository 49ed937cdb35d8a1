#pragma once
// What the editor tests share: files in a temporary folder and fakes of the dialogs.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <string>
#include <vector>

#include "base/Texte.h"
#include "ide/DialoguesEditeur.h"
#include "machine/Peripheriques.h"

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

class MessagesNotes : public BoitesMessage {
 public:
  void Affiche(const std::string& texte) override { Textes << QString::fromStdString(Cp1252VersUtf8(texte)); }
  QStringList Textes;
};

// Answers every dialog as told and records what each was shown.
class FauxDialogues : public DialoguesEditeur {
 public:
  struct Demande {
    QString Titre, Filtre, Nom;
  };

  QString NomEnregistrement(QWidget*, const QString& filtre, const QString& nom) override {
    Demandes.push_back({QString(), filtre, nom});
    return Fichier;
  }
  QString NomOuverture(QWidget*, const QString& titre, const QString& filtre, const QString& nom) override {
    Demandes.push_back({titre, filtre, nom});
    return Fichier;
  }
  std::optional<ChoixImpression> DialogueImpression(QWidget*) override {
    return Imprime ? std::optional(ChoixImprime) : std::nullopt;
  }
  // The user's doings in a dialog the application shows; nothing when not told.
  void Montre(QDialog& dialogue) override {
    if (Utilisateur) Utilisateur(dialogue);
  }
  void ConfigurationImpression(QWidget*, QString& imprimante) override {
    ++Configurations;
    imprimante = Imprimante;
  }
  Reponse Confirmation(QWidget*, const QString& texte) override {
    Questions << texte;
    return Choix;
  }
  bool Remplacement(QWidget*, const QString& texte) override {
    Questions << texte;
    return Remplace;
  }

  QString Fichier;  // empty: the user cancels
  bool Imprime = true;
  ChoixImpression ChoixImprime;
  Reponse Choix = Reponse::Annuler;
  bool Remplace = false;
  std::function<void(QDialog&)> Utilisateur;
  QString Imprimante;  // the printer the set-up picks
  int Configurations = 0;
  std::vector<Demande> Demandes;
  QStringList Questions;
};

}  // namespace korvane::test
