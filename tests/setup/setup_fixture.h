#pragma once
// A setup dialog on the simulated platform, with a folder of real files to browse and add.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "forms/program.h"
#include "setup/frm_setup.h"
#include "support/sim_session.h"

namespace velvora::test {

// A 2 x 2 24-bit bitmap: the smallest file every picture loader accepts.
inline std::string TinyBitmap() {
  auto le32 = [](std::uint32_t v) {
    return std::string{static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
                       static_cast<char>(v >> 24)};
  };
  auto le16 = [](std::uint16_t v) { return std::string{static_cast<char>(v), static_cast<char>(v >> 8)}; };
  std::string pixels(16, '\x7f');  // two rows of 2 pixels, each row padded to 8 bytes
  return "BM" + le32(70) + le32(0) + le32(54) + le32(40) + le32(2) + le32(2) + le16(1) + le16(24) +
         le32(0) + le32(16) + le32(2835) + le32(2835) + le32(0) + le32(0) + pixels;
}

class SetupTest : public ::testing::Test {
 protected:
  SetupTest() : pics(session.folder / "pics") {
    std::filesystem::create_directory(pics);
    WriteFile("a.bmp", TinyBitmap());
    WriteFile("b.bmp", TinyBitmap());
    WriteFile("notes.jpg", "just text, named like a picture");
  }

  void WriteFile(const std::string& name, const std::string& bytes) const {
    session.folder.Write("pics/" + name, bytes);
  }
  void WriteSettings(const std::string& bytes) const { session.folder.Write("Velvora.ini", bytes); }
  std::string Settings() const { return session.folder.Read("Velvora.ini"); }
  bool SettingsExist() const { return std::filesystem::exists(session.folder / "Velvora.ini"); }

  // Creates and loads the dialog (hidden, as the slideshow does) and browses the test folder.
  frmSetup& Open() {
    frmSetup& f = session.program.Use<frmSetup>();
    f.Dir1.SetPath(pics);
    return f;
  }

  void Input(Control& c, InputEvent e) { session.program.Raise(c.Owner(), &c, e); }
  void Click(Control& c) { Input(c, {.kind = InputKind::Click}); }
  void Select(Control& c, int index) { Input(c, {.kind = InputKind::Select, .index = index}); }
  // Selects a file of File1 by name (the click that comes with it previews it).
  void SelectFile(frmSetup& f, const std::string& name) {
    const auto& items = f.File1.Items();
    auto it = std::find(items.begin(), items.end(), name);
    ASSERT_NE(it, items.end()) << name;
    Select(f.File1, static_cast<int>(it - items.begin()));
  }
  void AddFile(frmSetup& f, const std::string& name) {
    SelectFile(f, name);
    Click(f.picAdd);
  }
  void AnswerNextBox(int answer) { session.sim.messageBoxAnswers.push_back(answer); }
  const std::vector<SimMessageBox>& Boxes() const { return session.sim.MessageBoxes(); }
  std::string Path(const std::string& name) const { return pics + kPathSeparator + name; }

  SimSession session;
  const std::string pics;
};

}  // namespace velvora::test
