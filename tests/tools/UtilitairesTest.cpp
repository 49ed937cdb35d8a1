// The three utilities as the user drives them: calculator keys, clock arrows and setting
// (with a fake of the computer's clock), calendar months.
#include <gtest/gtest.h>

#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <vector>

#include "ide/BancEditeur.h"
#include "tools/TCalendrier.h"
#include "tools/THorloge.h"
#include "tools/TPocket.h"
#include "support/Attente.h"

namespace korvane {
namespace {

using test::MessagesNotes;

TEST(TPocket, KeysClickTheirButtonsAndEachOpeningStartsCleared) {
  MessagesNotes messages;
  TPocket calculatrice(messages);
  calculatrice.show();
  QTest::keyClicks(&calculatrice, QStringLiteral("2.5+3*2="));
  EXPECT_EQ(calculatrice.Label1()->text(), QStringLiteral("11"));
  QTest::keyClicks(calculatrice.Bouton(QStringLiteral("sqr")), QStringLiteral("c9s"));
  EXPECT_EQ(calculatrice.Label1()->text(), QStringLiteral("3"));
  QTest::keyClicks(&calculatrice, QStringLiteral("4xq"));
  EXPECT_EQ(calculatrice.Label1()->text(), QStringLiteral("0,25"));

  QTest::keyClicks(&calculatrice, QStringLiteral("c8/0="));
  EXPECT_EQ(messages.Textes, QStringList({"Division par zéro"}));
  EXPECT_EQ(calculatrice.Etat().OperateurEnAttente(), '/');
  EXPECT_EQ(calculatrice.Label1()->text(), QStringLiteral("0"));

  QTest::keyClick(&calculatrice, Qt::Key_Escape);
  EXPECT_FALSE(calculatrice.isVisible());
  calculatrice.show();
  EXPECT_TRUE(calculatrice.Label1()->text().isEmpty());
  EXPECT_FALSE(calculatrice.Etat().AccuValide());
  EXPECT_EQ(calculatrice.Etat().OperateurEnAttente(), 0);
}

TEST(THorloge, EachArrowStaysWithinItsFieldsLimits) {
  struct Cas {
    const char* texte;
    Champ champ;
    const char* haut;
    const char* bas;
  };
  const Cas cas[] = {
      {"23:59:58", Champ::Heures, "24:59:58", "22:59:58"}, {"24:00:00", Champ::Heures, "24:00:00", "23:00:00"},
      {"00:00:07", Champ::Heures, "01:00:07", "00:00:07"}, {"10:59:00", Champ::Minutes, "10:59:00", "10:58:00"},
      {"00/12/2026", Champ::Jour, "01/12/2026", "00/12/2026"}, {"31/12/2026", Champ::Jour, "31/12/2026", "30/12/2026"},
      {"15/12/2026", Champ::Mois, "15/12/2026", "15/11/2026"}, {"15/00/2026", Champ::Mois, "15/01/2026", "15/00/2026"},
      {"01/01/2099", Champ::Annee, "01/01/2099", "01/01/2098"}, {"01/01/1900", Champ::Annee, "01/01/1901", "01/01/1900"},
      {"01/01/0098", Champ::Annee, "01/01/1999", "01/01/1997"},
  };
  for (const Cas& c : cas) {
    EXPECT_EQ(AjusteChamp(QString::fromLatin1(c.texte), c.champ, true), QString::fromLatin1(c.haut)) << c.texte;
    EXPECT_EQ(AjusteChamp(QString::fromLatin1(c.texte), c.champ, false), QString::fromLatin1(c.bas)) << c.texte;
  }
}

// Records the settings asked; the test tells their outcome by emitting the signals.
class FauxReglage : public ReglageHorloge {
 public:
  void Regle(const QDateTime& moment) override { Reglages.push_back(moment); }
  std::vector<QDateTime> Reglages;
};

struct Horloge {
  FauxReglage reglage;
  MessagesNotes messages;
  QDateTime maintenant{QDate(2026, 12, 9), QTime(18, 23, 7)};
  THorloge horloge{reglage, messages, [this] { return maintenant; }};

  Horloge() { horloge.show(); }
  void Choisit(Champ champ) { horloge.RadioGroup1()->button(static_cast<int>(champ))->click(); }
  void Fleches(int nombre) {
    for (int k = 0; k < std::abs(nombre); ++k) nombre > 0 ? horloge.SpinButton1UpClick() : horloge.SpinButton1DownClick();
  }
};

TEST(THorloge, SetFreezesTheDisplayAndASecondSetAppliesTheEditedFields) {
  Horloge h;
  EXPECT_EQ(h.horloge.Label1()->text(), QStringLiteral("18:23:07"));
  EXPECT_EQ(h.horloge.Label2()->text(), QStringLiteral("09/12/2026"));
  h.horloge.Button2()->click();
  EXPECT_TRUE(h.horloge.EnReglage());
  EXPECT_FALSE(h.horloge.Timer1()->isActive());
  h.Choisit(Champ::Minutes);
  h.Fleches(3);
  h.Choisit(Champ::Annee);
  h.Fleches(-1);
  h.maintenant = h.maintenant.addSecs(20);  // time goes on while the user edits
  h.horloge.Button2()->click();
  ASSERT_EQ(h.reglage.Reglages.size(), 1u);
  EXPECT_EQ(h.reglage.Reglages[0], QDateTime(QDate(2025, 12, 9), QTime(18, 26, 7)));
  EXPECT_FALSE(h.horloge.EnReglage());
  EXPECT_TRUE(h.horloge.Timer1()->isActive());
}

TEST(THorloge, ArrowsWithoutSetLastUntilTheNextTickAndImpossibleValuesAreNotApplied) {
  Horloge h;
  h.Choisit(Champ::Heures);
  h.Fleches(2);
  EXPECT_EQ(h.horloge.Label1()->text(), QStringLiteral("20:23:07"));
  h.horloge.Timer1Timer();
  EXPECT_EQ(h.horloge.Label1()->text(), QStringLiteral("18:23:07"));

  const std::pair<Champ, int> impossibles[] = {{Champ::Heures, 9}, {Champ::Jour, -12}, {Champ::Mois, -12}};
  for (const auto& [champ, fleches] : impossibles) {
    h.horloge.Button2()->click();
    h.Choisit(champ);
    h.Fleches(fleches);
    h.horloge.Button2()->click();
  }
  h.maintenant = QDateTime(QDate(2026, 2, 1), QTime(8, 0, 0));
  h.horloge.Timer1Timer();
  h.horloge.Button2()->click();
  h.Choisit(Champ::Jour);
  h.Fleches(30);  // 31 February
  h.horloge.Button2()->click();
  EXPECT_TRUE(h.reglage.Reglages.empty());
}

TEST(THorloge, ClosingLeavesSettingModeAndReopeningShowsTheTime) {
  Horloge h;
  h.horloge.Button2()->click();
  h.Choisit(Champ::Heures);
  h.Fleches(1);
  QTest::keyClick(h.horloge.Button1(), Qt::Key_Escape);
  EXPECT_FALSE(h.horloge.isVisible());
  EXPECT_FALSE(h.horloge.Timer1()->isActive());
  h.horloge.show();
  EXPECT_FALSE(h.horloge.EnReglage());
  EXPECT_EQ(h.horloge.Label1()->text(), QStringLiteral("18:23:07"));
  EXPECT_EQ(h.horloge.RadioGroup1()->checkedId(), static_cast<int>(Champ::Heures));
  EXPECT_TRUE(h.reglage.Reglages.empty());
}

TEST(THorloge, TheSettingsOutcomeIsAwaitedARefusalIsToldAndASuccessShowsTheNewTime) {
  Horloge h;
  h.horloge.Button2()->click();
  h.Choisit(Champ::Heures);
  h.Fleches(1);
  h.horloge.Button2()->click();
  ASSERT_EQ(h.reglage.Reglages.size(), 1u);
  EXPECT_TRUE(h.messages.Textes.isEmpty());

  emit h.reglage.Refusee(QStringLiteral("accès refusé"));
  EXPECT_EQ(h.messages.Textes, QStringList({"Impossible de régler l'horloge : accès refusé"}));

  h.maintenant = h.reglage.Reglages[0];
  emit h.reglage.Reglee();
  EXPECT_EQ(h.horloge.Label1()->text(), QStringLiteral("19:23:07"));
  EXPECT_EQ(h.messages.Textes.size(), 1);
}

// The command stands in for timedatectl; the real clock is never touched.
TEST(ReglageParCommande, TheCommandsOutcomeComesBySignalWithItsReasonInFrench) {
  struct Cas {
    QString programme;
    QString script;
    QString refus;  // empty: the setting succeeds
  };
  const QString introuvable = QStringLiteral("/nulle-part/timedatectl");
  const Cas cas[] = {
      {QStringLiteral("sh"), QStringLiteral("test \"$1\" = '2026-12-09 18:23:07'"), {}},
      {QStringLiteral("sh"), QStringLiteral("echo 'heure refusée' >&2; exit 1"), QStringLiteral("heure refusée")},
      {QStringLiteral("sh"), QStringLiteral("exit 3"), QStringLiteral("sh a échoué (code 3)")},
      {QStringLiteral("sh"), QStringLiteral("kill -KILL $$"), QStringLiteral("sh s'est arrêté anormalement")},
      {introuvable, {}, introuvable + QStringLiteral(" est introuvable ou ne peut pas être lancé")},
  };
  for (const Cas& c : cas) {
    ReglageParCommande reglage(c.programme, {QStringLiteral("-c"), c.script, QStringLiteral("sh")});
    QSignalSpy reglees(&reglage, &ReglageHorloge::Reglee);
    QSignalSpy refus(&reglage, &ReglageHorloge::Refusee);
    reglage.Regle(QDateTime(QDate(2026, 12, 9), QTime(18, 23, 7)));
    ASSERT_TRUE(test::Attend([&] { return reglees.count() + refus.count() > 0; }, 10000));
    EXPECT_EQ(reglees.count(), c.refus.isEmpty() ? 1 : 0) << c.script.toStdString();
    if (!c.refus.isEmpty()) {
      EXPECT_EQ(refus.value(0).value(0).toString(), c.refus);
    }
  }
}

TEST(TCalendrier, MonthsMoveKeepingOrClampingTheDayAndTheCaptionFollows) {
  struct Cas {
    QDate depuis;
    int sens;  // +1 next month (Page Down), -1 previous month (Page Up)
    QDate vers;
    const char* titre;
  };
  const Cas cas[] = {
      {QDate(2026, 1, 31), 1, QDate(2026, 2, 28), "février  2026"},
      {QDate(2024, 3, 31), -1, QDate(2024, 2, 29), "février  2024"},
      {QDate(2026, 12, 15), 1, QDate(2027, 1, 15), "janvier  2027"},
      {QDate(2027, 1, 15), -1, QDate(2026, 12, 15), "décembre  2026"},
  };
  for (const Cas& c : cas) {
    TCalendrier calendrier(c.depuis);
    calendrier.show();
    QTest::keyClick(calendrier.Calendar1()->focusWidget() ? calendrier.Calendar1()->focusWidget() : calendrier.Calendar1(),
                    c.sens > 0 ? Qt::Key_PageDown : Qt::Key_PageUp);
    EXPECT_EQ(calendrier.Date(), c.vers) << c.titre;
    EXPECT_EQ(calendrier.Label1()->text(), QString::fromUtf8(c.titre));
    (c.sens > 0 ? calendrier.BitBtn1() : calendrier.BitBtn2())->click();
    EXPECT_EQ(calendrier.Date().month(), c.depuis.month()) << c.titre;
  }
}

TEST(TCalendrier, TheShownMonthSurvivesClosingAndTheGridStartsOnSunday) {
  TCalendrier calendrier(QDate(2026, 12, 9));
  calendrier.show();
  EXPECT_EQ(calendrier.Label1()->text(), QStringLiteral("décembre  2026"));
  calendrier.BitBtn2()->click();
  QTest::keyClick(calendrier.Button1(), Qt::Key_Escape);
  EXPECT_FALSE(calendrier.isVisible());
  calendrier.show();
  EXPECT_EQ(calendrier.Date(), QDate(2027, 1, 9));
  EXPECT_EQ(calendrier.Label1()->text(), QStringLiteral("janvier  2027"));
  EXPECT_EQ(calendrier.Calendar1()->firstDayOfWeek(), Qt::Sunday);
}

}  // namespace
}  // namespace korvane
