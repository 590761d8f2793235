// The family code from the platform's version numbers.
#include <gtest/gtest.h>

#include "guards/mdl_win_version.h"
#include "support/sim_session.h"

namespace velvora {
namespace {

std::int16_t FamilyOf(std::uint32_t major, std::uint32_t minor, std::uint32_t platformId) {
  test::SimSession s;
  s.sim.versions = {major, minor, platformId};
  return mdlWinVersion::GetWindowsFamily(s.sim);
}

TEST(GetWindowsFamily, MapsVersionNumbersToTheFamilyCode) {
  EXPECT_EQ(FamilyOf(4, 0, 1), 0);
  EXPECT_EQ(FamilyOf(4, 10, 1), 0);
  EXPECT_EQ(FamilyOf(4, 90, 1), 0);
  EXPECT_EQ(FamilyOf(4, 0, 2), 1);
  EXPECT_EQ(FamilyOf(4, 0, 0), 0);  // Win32s
  EXPECT_EQ(FamilyOf(4, 0, 3), 0);
  for (std::uint32_t minor : {0u, 1u, 2u}) {
    for (std::uint32_t id : {0u, 1u, 2u}) EXPECT_EQ(FamilyOf(5, minor, id), 2) << minor << id;
  }
  EXPECT_EQ(FamilyOf(3, 51, 2), 0);
  EXPECT_EQ(FamilyOf(6, 0, 2), 0);
  EXPECT_EQ(FamilyOf(10, 0, 2), 0);
}

TEST(GetWindowsFamily, AFailedQueryCountsAsTheNineXFamily) {
  test::SimSession s;
  s.sim.versions = {5, 1, 2, true};
  EXPECT_EQ(mdlWinVersion::GetWindowsFamily(s.sim), 0);
  const auto v = mdlWinVersion::GetVersionNumbers(s.sim);
  EXPECT_EQ(v.major, 0);
  EXPECT_EQ(v.minor, 0);
  EXPECT_EQ(v.platformId, 0);
}

TEST(GetWindowsFamily, AsksThePlatformOnEveryCallWithTheFullRecordSize) {
  test::SimSession s;
  s.sim.versions = {4, 0, 2};
  EXPECT_EQ(mdlWinVersion::GetWindowsFamily(s.sim), 1);
  s.sim.versions = {4, 0, 1};
  EXPECT_EQ(mdlWinVersion::GetWindowsFamily(s.sim), 0);
  ASSERT_EQ(s.sim.Calls().size(), 2u);
  for (const SimCall& call : s.sim.Calls()) {
    EXPECT_EQ(call.name, "GetVersionExA");
    EXPECT_EQ(call.args, std::vector<std::string>{"148"});
  }
}

}  // namespace
}  // namespace velvora
