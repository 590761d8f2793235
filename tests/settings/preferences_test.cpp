// The preference rules for "Delay" and "BackColor" in the per-user store.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "settings/preferences.h"
#include "support/error_code.h"
#include "support/sim_session.h"

namespace velvora {
namespace {

using test::ErrorOf;

struct Store {
  test::TempFolder folder;
  SimPlatform sim{folder.Path()};
  std::optional<std::string> Get(const std::string& key) {
    auto& values = sim.Store();
    auto it = values.find({"Velvora", "Settings", key});
    if (it == values.end()) return std::nullopt;
    return it->second;
  }
  void Set(const std::string& key, const std::string& value) {
    sim.Store()[{"Velvora", "Settings", key}] = value;
  }
};

TEST(Preferences, DelayMissingOrZeroStoresTwo) {
  Store missing;
  EXPECT_EQ(ReadDelay(missing.sim), 2);
  EXPECT_EQ(missing.Get("Delay"), "2");
  Store zero;
  zero.Set("Delay", "0");
  EXPECT_EQ(ReadDelay(zero.sim), 2);
  EXPECT_EQ(zero.Get("Delay"), "2");
}

TEST(Preferences, DelayKeepsAnyOtherNumberUnwritten) {
  Store s;
  for (const char* text : {"7", " 7 ", "-3", "150"}) {
    s.Set("Delay", text);
    EXPECT_EQ(ReadDelay(s.sim), std::stoi(text)) << text;
    EXPECT_EQ(s.Get("Delay"), text);
  }
}

TEST(Preferences, TextsThatAreNoNumberFailWithTypeMismatch) {
  Store s;
  for (const char* text : {"", "abc", "5x", "0x10"}) {
    s.Set("Delay", text);
    EXPECT_EQ(ErrorOf([&] { ReadDelay(s.sim); }), 13) << text;
    s.Set("BackColor", std::string(text) + "z");
    EXPECT_EQ(ErrorOf([&] { ReadBackColor(s.sim, kButtonFace); }), 13) << text;
  }
  s.Set("Delay", "2147483648");
  EXPECT_EQ(ErrorOf([&] { ReadDelay(s.sim); }), 6);
}

TEST(Preferences, BackColorMissingOrEmptyStoresTheWindowsOwnColourFirst) {
  Store missing;
  EXPECT_EQ(ReadBackColor(missing.sim, kButtonFace), kButtonFace);
  EXPECT_EQ(missing.Get("BackColor"), "-2147483633");
  Store empty;
  empty.Set("BackColor", "");
  EXPECT_EQ(ReadBackColor(empty.sim, Rgb(1, 2, 3)), Rgb(1, 2, 3));
  EXPECT_EQ(empty.Get("BackColor"), "197121");
}

TEST(Preferences, StoredBackColorWinsOverTheWindows) {
  Store s;
  s.Set("BackColor", "255");
  EXPECT_EQ(ReadBackColor(s.sim, kButtonFace), Rgb(255, 0, 0));
  EXPECT_EQ(s.Get("BackColor"), "255");
  WriteBackColor(s.sim, kTooltipBack);
  EXPECT_EQ(s.Get("BackColor"), "-2147483624");
  EXPECT_EQ(ReadBackColor(s.sim, Rgb(0, 0, 0)), kTooltipBack);
  WriteDelay(s.sim, " 12 ");  // stored as typed
  EXPECT_EQ(s.Get("Delay"), " 12 ");
}

}  // namespace
}  // namespace velvora
