// Replacing a file durably: what stays beside it, what a failed write leaves, and which
// temporary files the next replacement clears away.
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "settings/durable_file.h"
#include "support/temp_folder.h"

namespace velvora {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Names(const test::TempFolder& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder.Path())) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  ::stat(path.c_str(), &st);
  return st.st_mode & 07777;
}

TEST(DurableFile, KeepsThePermissionsOfTheOldFileAndFollowsALink) {
  test::TempFolder folder;
  folder.Write("real.ini", "old");
  ::chmod((folder / "real.ini").c_str(), 0640);
  ASSERT_TRUE(ReplaceFileDurably(folder / "real.ini", "new"));
  EXPECT_EQ(folder.Read("real.ini"), "new");
  EXPECT_EQ(ModeOf(folder / "real.ini"), 0640u);

  // A settings file kept elsewhere through a link: the file it names changes, the link stays.
  fs::create_directory(folder / "elsewhere");
  folder.Write("elsewhere/kept.ini", "old");
  fs::create_symlink(folder / "elsewhere/kept.ini", folder / "link.ini");
  ASSERT_TRUE(ReplaceFileDurably(folder / "link.ini", "through the link"));
  EXPECT_TRUE(fs::is_symlink(folder / "link.ini"));
  EXPECT_EQ(folder.Read("elsewhere/kept.ini"), "through the link");

  // A new file gets the user's default permissions.
  const mode_t mask = ::umask(022);
  ASSERT_TRUE(ReplaceFileDurably(folder / "fresh.ini", ""));
  ::umask(mask);
  EXPECT_EQ(ModeOf(folder / "fresh.ini"), 0644u);
  EXPECT_EQ(folder.Read("fresh.ini"), "");
  EXPECT_EQ(Names(folder), (std::vector<std::string>{"elsewhere", "fresh.ini", "link.ini", "real.ini"}));
}

TEST(DurableFile, AWriteThatFailsHalfWayLeavesTheOldFileAndNoTemporary) {
  test::TempFolder folder;
  const std::string old(3000, 'o');
  folder.Write("Velvora.ini", old);
  // Files may grow to 1000 bytes only: the write of the temporary file fails part of the way.
  rlimit saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 1000;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool replaced = ReplaceFileDurably(folder / "Velvora.ini", std::string(5000, 'n'));
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_FALSE(replaced);
  EXPECT_EQ(folder.Read("Velvora.ini"), old);
  EXPECT_EQ(Names(folder), std::vector<std::string>{"Velvora.ini"});
}

TEST(DurableFile, ClearsLeftoversOfKilledReplacementsButNotOnesInProgressNorOtherFiles) {
  test::TempFolder folder;
  folder.Write("Velvora.ini", "old");
  folder.Write("Velvora.ini.k1ll3d.tmp", "half of a killed write");
  folder.Write("Velvora.ini.second.tmp", "");
  folder.Write("Velvora.ini.locked.tmp", "a replacement still writing");
  // Names that only look alike belong to someone else.
  for (const char* name : {"Velvora.ini.bak", "Velvora.ini.abc.tmp", "Velvora.ini.abcdef.tmp2",
                           "Velvora.iniXabcdef.tmp", "Other.ini.abcdef.tmp"}) {
    folder.Write(name, "keep");
  }
  const int inProgress = ::open((folder / "Velvora.ini.locked.tmp").c_str(), O_RDONLY);
  ASSERT_EQ(::flock(inProgress, LOCK_EX), 0);

  ASSERT_TRUE(ReplaceFileDurably(folder / "Velvora.ini", "new"));
  EXPECT_EQ(folder.Read("Velvora.ini"), "new");
  EXPECT_EQ(Names(folder), (std::vector<std::string>{"Other.ini.abcdef.tmp", "Velvora.ini", "Velvora.ini.abc.tmp",
                                                     "Velvora.ini.abcdef.tmp2", "Velvora.ini.bak",
                                                     "Velvora.ini.locked.tmp", "Velvora.iniXabcdef.tmp"}));
  // Once its writer is gone, the next replacement clears it too.
  ::close(inProgress);
  ASSERT_TRUE(ReplaceFileDurably(folder / "Velvora.ini", "newer"));
  EXPECT_FALSE(fs::exists(folder / "Velvora.ini.locked.tmp"));
  EXPECT_EQ(folder.Read("Velvora.ini"), "newer");
}

}  // namespace
}  // namespace velvora
