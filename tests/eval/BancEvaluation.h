#pragma once
// A bench with one declaration of every kind the evaluators meet, and helpers to set
// and read values. Texts given and returned are UTF-8.

#include <gtest/gtest.h>

#include <span>
#include <string>

#include "base/Nombres.h"
#include "base/Texte.h"
#include "support/Banc.h"

namespace korvane::test {

struct Cas {
  const char* texte;
  const char* attendu;  // value text, or message
};

class BancEvaluation : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(banc.Declare({
                  "DIM N, A, B, C, I, MODE AS INTEGER",
                  "DIM R, X AS REAL",
                  "DIM S$, A$, B$, C$ AS STRING",
                  "DIM T(5) AS INTEGER",
                  "DIM X(3) AS REAL",
                  "DIM T$(3) AS STRING",
                  "DEBUT:",
                  "SUB ROUTINE",
              }),
              -1);
    ASSERT_TRUE(banc.Messages.Textes.empty());
  }

  // Writes `valeur` into NAME, or into element `rang` (from 1) of the array "NAME(".
  void Pose(std::string nom, const std::string& valeur, int32_t rang = 1) {
    char genre = 0;
    int32_t adresse = 0;
    it.ChercheEtiq(nom, genre, adresse);
    ASSERT_GE(adresse, 0) << nom;
    it.EcritValeur(Cp(valeur), genre, adresse + rang - 1);
    ASSERT_EQ(it.Etat, kContinue) << nom;
  }

  // The value text of NAME (or of element `rang` of "NAME("), as PRINT would show it.
  std::string Valeur(std::string nom, int32_t rang = 1) {
    char genre = 0;
    int32_t adresse = 0;
    it.ChercheEtiq(nom, genre, adresse);
    double reel = 0;
    int32_t entier = 0;
    std::string chaine;
    it.LitValeur(adresse + rang - 1, genre, reel, entier, chaine);
    if (genre == 'I') return std::to_string(entier);
    if (genre == 'R') return Cp1252VersUtf8(FormatReel(reel, it.SeparateurDecimal));
    return Cp1252VersUtf8(chaine);
  }

  using Lecteur = void (Interpreteur::*)(std::string&);

  // Runs an evaluator on UTF-8 text and gives back the value text in UTF-8.
  std::string Evalue(Lecteur evaluateur, const std::string& texte) {
    std::string t = Cp(texte);
    (it.*evaluateur)(t);
    return Cp1252VersUtf8(t);
  }

  // The failure message an evaluator shows; checks that it stops with exactly one.
  std::string Echec(Lecteur evaluateur, const std::string& texte) {
    banc.Messages.Textes.clear();
    it.Etat = kContinue;
    Evalue(evaluateur, texte);
    EXPECT_EQ(it.Etat, kArret) << texte;
    EXPECT_EQ(banc.Messages.Textes.size(), 1u) << texte;
    return banc.Messages.Textes.empty() ? std::string() : banc.Messages.Textes.back();
  }

  // The text of the unhandled failure an evaluator throws; empty when none.
  std::string Abandon(Lecteur evaluateur, const std::string& texte) {
    try {
      Evalue(evaluateur, texte);
    } catch (const EchecExecution& e) {
      return e.what();
    }
    return {};
  }

  // Each text gives its value without a message.
  void Valeurs(Lecteur evaluateur, std::span<const Cas> cas) {
    for (const Cas& c : cas) {
      it.Etat = kContinue;
      EXPECT_EQ(Evalue(evaluateur, c.texte), c.attendu) << c.texte;
      EXPECT_EQ(it.Etat, kContinue) << c.texte;
    }
    EXPECT_TRUE(banc.Messages.Textes.empty());
  }

  void Echecs(Lecteur evaluateur, std::span<const Cas> cas) {
    for (const Cas& c : cas) EXPECT_EQ(Echec(evaluateur, c.texte), c.attendu) << c.texte;
  }

  // Arithmetic failures stop the run without a word.
  void ArretsMuets(Lecteur evaluateur, std::span<const char* const> textes) {
    for (const char* texte : textes) {
      it.Etat = kContinue;
      Evalue(evaluateur, texte);
      EXPECT_EQ(it.Etat, kArret) << texte;
    }
    EXPECT_TRUE(banc.Messages.Textes.empty());
  }

  void Abandons(Lecteur evaluateur, std::span<const Cas> cas) {
    for (const Cas& c : cas) EXPECT_EQ(Abandon(evaluateur, c.texte), c.attendu) << c.texte;
    EXPECT_TRUE(banc.Messages.Textes.empty());
  }

  Banc banc;
  Interpreteur& it = banc.It;
};

}  // namespace korvane::test
