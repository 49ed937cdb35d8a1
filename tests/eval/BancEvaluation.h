#pragma once
// A bench with one declaration of every kind the evaluators meet, and helpers to run them.
// Texts given and returned are UTF-8.

#include <gtest/gtest.h>

#include <optional>
#include <span>
#include <string>

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

  // Rewrites the text into its value's text; false once it has reported a failure.
  using Lecteur = bool (*)(Machine&, std::string&);

  // The value text in UTF-8; nothing when the evaluator fails.
  std::optional<std::string> Lit(Lecteur evaluateur, const std::string& texte) {
    std::string t = Cp(texte);
    if (!evaluateur(it, t)) return std::nullopt;
    return Cp1252VersUtf8(t);
  }

  // The value text of a read that must succeed.
  std::string Evalue(Lecteur evaluateur, const std::string& texte) {
    const auto valeur = Lit(evaluateur, texte);
    EXPECT_TRUE(valeur) << texte << " failed: " << banc.DernierMessage();
    return valeur.value_or("?");
  }

  // The failure message an evaluator shows; checks that it fails with exactly one.
  std::string Echec(Lecteur evaluateur, const std::string& texte) {
    banc.Messages.Textes.clear();
    it.Etat = kContinue;
    EXPECT_FALSE(Lit(evaluateur, texte)) << texte;
    EXPECT_EQ(it.Etat, kArret) << texte;
    EXPECT_EQ(banc.Messages.Textes.size(), 1u) << texte;
    return banc.DernierMessage();
  }

  // The text of the unhandled failure an evaluator throws; empty when none.
  std::string Abandon(Lecteur evaluateur, const std::string& texte) {
    try {
      static_cast<void>(Lit(evaluateur, texte));
    } catch (const EchecExecution& e) {
      return e.what();
    }
    return {};
  }

  // Each text gives its value without a message and leaves the state alone.
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
      EXPECT_FALSE(Lit(evaluateur, texte)) << texte;
      EXPECT_EQ(it.Etat, kArret) << texte;
    }
    EXPECT_TRUE(banc.Messages.Textes.empty());
  }

  void Abandons(Lecteur evaluateur, std::span<const Cas> cas) {
    for (const Cas& c : cas) EXPECT_EQ(Abandon(evaluateur, c.texte), c.attendu) << c.texte;
    EXPECT_TRUE(banc.Messages.Textes.empty());
  }

  Banc banc;
  Machine& it = banc.It;
};

}  // namespace korvane::test
