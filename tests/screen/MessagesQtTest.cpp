#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QPrintDialog>
#include <QPrinter>
#include <sstream>

#include "screen/MessagesQt.h"
#include "support/Banc.h"

namespace korvane::test {
namespace {

TEST(BoitesMessageQt, TheBoxShowsTheTextAsItIsUnderTheApplicationsTitle) {
  const auto boite = MessagesQt().Boite(Cp("<b>Fichier</b> introuvable : été"));

  EXPECT_EQ(boite->windowTitle(), "Korvane");
  EXPECT_EQ(boite->text(), "<b>Fichier</b> introuvable : été");
  EXPECT_EQ(boite->textFormat(), Qt::PlainText);
  EXPECT_EQ(boite->standardButtons(), QMessageBox::Ok);
}

TEST(BoitesMessageQt, MissingTranslationsAreToldAndLeaveTheButtonsInEnglish) {
  std::ostringstream avertissements;
  EXPECT_FALSE(QtEnFrancais(*QApplication::instance(), avertissements, QStringLiteral("/nulle-part")));
  EXPECT_EQ(avertissements.str(),
            "korvane : traductions françaises de Qt introuvables dans « /nulle-part », les boutons restent en anglais\n");
}

TEST(BoitesMessageQt, StandardButtonsReadInFrench) {
  std::ostringstream avertissements;
  ASSERT_TRUE(QtEnFrancais(*QApplication::instance(), avertissements));
  EXPECT_EQ(avertissements.str(), "");
  QMessageBox boite;
  boite.setStandardButtons(QMessageBox::Ok | QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);

  QStringList textes;
  for (const auto bouton : {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
    textes << boite.button(bouton)->text().remove('&');
  EXPECT_EQ(textes, QStringList({"OK", "Oui", "Non", "Annuler"}));
}

// The texts Qt's French catalogue lacks are French too, in the print dialog for one.
TEST(BoitesMessageQt, QtsPrintDialogReadsInFrench) {
  std::ostringstream avertissements;
  QtEnFrancais(*QApplication::instance(), avertissements);
  QPrinter imprimante;
  QPrintDialog dialogue(&imprimante);
  QStringList textes;
  for (const QGroupBox* groupe : dialogue.findChildren<QGroupBox*>()) textes << groupe->title();
  for (const QAbstractButton* bouton : dialogue.findChildren<QAbstractButton*>()) textes << bouton->text();
  EXPECT_TRUE(textes.contains(QStringLiteral("Impression recto verso"))) << textes.join(" | ").toStdString();
  EXPECT_TRUE(textes.contains(QStringLiteral("Reliure côté long"))) << textes.join(" | ").toStdString();
  QLocale::setDefault(QLocale::c());
}

}  // namespace
}  // namespace korvane::test
