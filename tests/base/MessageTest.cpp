#include "base/Message.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "base/ErreurSysteme.h"
#include <type_traits>

namespace korvane::test {
namespace {

// Core text must never pass for a literal of the source, nor the other way round.
static_assert(!std::is_convertible_v<std::string, Message>);
static_assert(!std::is_convertible_v<const char*, Message>);

TEST(Message, LiteralsAreConvertedAndCoreTextIsKeptAsItsBytes) {
  const std::string nom = "\xC9T\xC9";  // "ÉTÉ" in Windows-1252
  const Message message = Message("Répertoire ") + nom + " n'a pas été créé";
  EXPECT_EQ(message.Cp1252(), "R\xE9pertoire \xC9T\xC9 n'a pas \xE9t\xE9 cr\xE9\xE9");
  EXPECT_EQ(message.Utf8(), "Répertoire ÉTÉ n'a pas été créé");
}

struct CasErreur {
  int Erreur;
  std::string Dialecte;  // what a BASIC program's failed file operation shows
  std::string Phrase;    // what follows "Impossible de ... :"
};

TEST(ErreurSysteme, EachNumberHasTheDialectsMessageAndAPhrase) {
  const CasErreur cas[] = {
      {ENOSPC, "Disque plein", "disque plein"},
      {EDQUOT, "Disque plein", "disque plein"},
      {EACCES, "Accès au fichier refusé", "accès refusé"},
      {EROFS, "Accès au fichier refusé", "système de fichiers en lecture seule"},
      {ENOENT, "Erreur E/S " + std::to_string(ENOENT), "fichier introuvable"},
      {EISDIR, "Erreur E/S " + std::to_string(EISDIR), "c'est un dossier"},
      {EINTR, "Erreur E/S " + std::to_string(EINTR), "erreur système " + std::to_string(EINTR)},
      {0, "Erreur E/S " + std::to_string(EIO), "erreur système 0"},
  };
  for (const CasErreur& c : cas) {
    EXPECT_EQ(MessageEntreeSortie(c.Erreur).Utf8(), c.Dialecte) << c.Erreur;
    EXPECT_EQ(TexteErreurSysteme(c.Erreur), c.Phrase) << c.Erreur;
  }
}

}  // namespace
}  // namespace korvane::test
