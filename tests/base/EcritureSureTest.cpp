#include "base/EcritureSure.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "support/Dossier.h"
#include "support/FichiersSource.h"

namespace korvane::test {
namespace {

namespace fs = std::filesystem;

const std::string kAncien = "PRINT \"ancien\"\r\nPRINT \"programme\"\r\n";

std::size_t FichiersDans(const fs::path& dossier) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(dossier), fs::directory_iterator()));
}

TEST(RemplaceFichier, AWriteFailingAtTheEndLeavesTheOldFileWhole) {
  DossierTemporaire dossier;
  const fs::path chemin = dossier.Chemin() / "a.bas";
  EcritFichier(chemin, kAncien);
  std::string raison;
  {
    const LimiteTailleFichiers limite(4096);
    EXPECT_FALSE(RemplaceFichier(chemin, std::string(10'000, 'x'), raison));
  }
  EXPECT_EQ(raison, "fichier trop grand");
  EXPECT_EQ(LitFichier(chemin), kAncien);
  EXPECT_EQ(FichiersDans(dossier.Chemin()), 1u) << "the temporary file stays behind";
}

TEST(RemplaceFichier, AFullDiskLeavesTheOldFileWhole) {
  if (geteuid() != 0) GTEST_SKIP() << "mounting a small file system needs root";
  DossierTemporaire dossier;
  if (::mount("tmpfs", dossier.Chemin().c_str(), "tmpfs", 0, "size=16k") != 0)
    GTEST_SKIP() << "this machine does not let a test mount a file system";
  const fs::path chemin = dossier.Chemin() / "a.bas";
  EcritFichier(chemin, kAncien);
  // What is left of the disk is less than one page: small files are written at close.
  std::ofstream(dossier.Chemin() / "plein") << std::string(16 * 1024, 'z');
  std::string raison;
  EXPECT_FALSE(RemplaceFichier(chemin, kAncien + "PRINT 3\r\n", raison));
  EXPECT_FALSE(RemplaceFichier(chemin, std::string(10'000, 'x'), raison));
  EXPECT_EQ(raison, "disque plein");
  EXPECT_EQ(LitFichier(chemin), kAncien);
  EXPECT_EQ(FichiersDans(dossier.Chemin()), 2u);
  ::umount(dossier.Chemin().c_str());
}

TEST(RemplaceFichier, ReplacesALinksTargetAndKeepsThePermissions) {
  DossierTemporaire dossier;
  const fs::path cible = dossier.Chemin() / "vrai.bas";
  const fs::path lien = dossier.Chemin() / "lien.bas";
  EcritFichier(cible, kAncien);
  fs::permissions(cible, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink(cible, lien);
  std::string raison;
  ASSERT_TRUE(RemplaceFichier(lien, "PRINT 1\r\n", raison)) << raison;
  EXPECT_TRUE(fs::is_symlink(lien));
  EXPECT_EQ(LitFichier(cible), "PRINT 1\r\n");
  EXPECT_EQ(fs::status(cible).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

}  // namespace
}  // namespace korvane::test
