// The setup dialog's loading, banner, browsing, Done/Cancel, Help and highlight.
#include <filesystem>

#include "platform/file_path.h"
#include "setup/setup_fixture.h"
#include "support/latin1_code_page.h"
#include "windows/frm_help.h"

namespace velvora::test {
namespace {

using SetupShell = SetupTest;

const std::string kBanner = " The Velvora - Brought to you by Quorrin" + std::string(21, ' ');

TEST_F(SetupShell, FirstLoadWithoutSettingsFileGivesTheDesignerSelections) {
  frmSetup& f = session.program.Use<frmSetup>();
  EXPECT_FALSE(f.Visible());  // the slideshow's use creates it hidden
  EXPECT_EQ(f.Text1.Text(), "");
  EXPECT_FALSE(f.MinOpt.Value());
  EXPECT_FALSE(f.SecOpt.Value());
  EXPECT_TRUE(f.OptionFullWin.Value());
  EXPECT_FALSE(f.OptionRandom.Value());
  EXPECT_EQ(f.List1.ListCount(), 0);
  EXPECT_EQ(f.numImages.Caption(), "0");
  EXPECT_EQ(f.Check1.Value(), 1);
  EXPECT_EQ(session.program.IntervalUnit, "");
  EXPECT_EQ(f.Caption(), "");
  EXPECT_FALSE(SettingsExist());  // loading never writes
}

TEST_F(SetupShell, LoadsStoredSettingsIntoTheControls) {
  WriteSettings("5 \r\nSec\r\n 3 \r\nRandom\r\n  c.bmp \r\nA.bmp\r\nb.bmp\r\nnot counted\r\n");
  frmSetup& f = session.program.Use<frmSetup>();
  EXPECT_EQ(f.Text1.Text(), "5 ");
  EXPECT_FALSE(f.MinOpt.Value());
  EXPECT_TRUE(f.SecOpt.Value());
  EXPECT_EQ(session.program.IntervalUnit, "Sec");  // the option's click handler ran
  EXPECT_TRUE(f.OptionRandom.Value());
  EXPECT_FALSE(f.OptionFullWin.Value());
  EXPECT_EQ(f.List1.Items(), (std::vector<std::string>{"A.bmp", "b.bmp", "c.bmp"}));
  EXPECT_EQ(f.numImages.Caption(), "3");
}

TEST_F(SetupShell, UnitIsKeptWhenTheFileNamesNone) {
  session.program.IntervalUnit = "Min";
  WriteSettings("7\r\nsec\r\n 0 \r\nFullWin\r\n");
  frmSetup& f = session.program.Use<frmSetup>();
  EXPECT_FALSE(f.MinOpt.Value());
  EXPECT_FALSE(f.SecOpt.Value());
  EXPECT_EQ(session.program.IntervalUnit, "Min");
}

TEST_F(SetupShell, BannerTypesOneCharacterEveryTickAndStartsOver) {
  frmSetup& f = session.program.Use<frmSetup>();
  ASSERT_EQ(kBanner.size(), 61u);
  session.sim.Advance(199);
  EXPECT_EQ(f.Caption(), "");
  session.sim.Advance(1);
  EXPECT_EQ(f.Caption(), " ");
  session.sim.Advance(200);
  EXPECT_EQ(f.Caption(), " T");
  session.sim.Advance(200);
  EXPECT_EQ(f.Caption(), " Th");
  // After BannerLen - 1 ticks the whole banner but its last blank; the next tick starts over.
  session.sim.Advance(200 * (60 - 3));
  EXPECT_EQ(f.Caption(), kBanner.substr(0, 60));
  session.sim.Advance(200);
  EXPECT_EQ(f.Caption(), " ");
  session.sim.Advance(200);
  EXPECT_EQ(f.Caption(), " T");
}

TEST_F(SetupShell, DoneWritesTheControlsAndUnloads) {
  WriteSettings("5\r\nMin\r\n 1 \r\nFullWin\r\n" + Path("b.bmp") + "\r\n");
  frmSetup& f = Open();
  f.Text1.SetText("12");
  Click(f.SecOpt);
  Click(f.OptionRandom);
  AddFile(f, "a.bmp");
  Click(f.cmdExit);
  EXPECT_EQ(session.program.IfLoaded<frmSetup>(), nullptr);
  EXPECT_EQ(Settings(), "12\r\nSec\r\n 2 \r\nRandom\r\n" + Path("a.bmp") + "\r\n" + Path("b.bmp") + "\r\n");
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(SetupShell, CancelAndTheCloseBoxWriteNothingAndTheNextUseReadsTheFileAgain) {
  const std::string stored = "3\r\nMin\r\n 1 \r\nRandom\r\n" + Path("b.bmp") + "\r\n";
  WriteSettings(stored);
  for (bool closeBox : {false, true}) {
    frmSetup& f = Open();
    Click(f.SecOpt);
    AddFile(f, "a.bmp");
    f.Text1.SetText("9");
    if (closeBox) {
      session.program.Raise(f, nullptr, {.kind = InputKind::CloseBox});
    } else {
      Click(f.cmdCancel);
    }
    EXPECT_EQ(session.program.IfLoaded<frmSetup>(), nullptr);
    EXPECT_EQ(Settings(), stored);
    EXPECT_EQ(session.program.IntervalUnit, "Sec");  // outlives the dialog

    frmSetup& again = session.program.Use<frmSetup>();
    EXPECT_EQ(again.List1.Items(), std::vector<std::string>{Path("b.bmp")});
    EXPECT_EQ(again.Text1.Text(), "3");
    EXPECT_TRUE(again.MinOpt.Value());
    EXPECT_EQ(again.numImages.Caption(), "1");
    session.program.Dispatch([&] { session.program.Unload(again); });
  }
}

TEST_F(SetupShell, FailedDoneKeepsTheDialogAndSaysWhy) {
  // A folder where the file should be: the write cannot replace it.
  std::filesystem::create_directory(session.folder / "Velvora.ini");
  frmSetup& f = Open();
  AddFile(f, "a.bmp");
  Click(f.cmdExit);
  ASSERT_EQ(session.program.IfLoaded<frmSetup>(), &f);
  EXPECT_EQ(f.List1.ListCount(), 1);  // the edits are still there
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_NE(Boxes()[0].text.find(session.folder / "Velvora.ini"), std::string::npos);
  EXPECT_EQ(Boxes()[0].style, mb::kOk | mb::kIconExclamation);
  EXPECT_FALSE(session.program.Ended());
  EXPECT_TRUE(std::filesystem::is_directory(session.folder / "Velvora.ini"));

  Click(f.cmdCancel);
  EXPECT_EQ(session.program.IfLoaded<frmSetup>(), nullptr);
}

TEST_F(SetupShell, DriveChangeBrowsesThatDriveAndAnUnreadableOneIsPutBack) {
  const std::string drive2 = session.folder / "drive2";
  std::filesystem::create_directory(drive2);
  session.folder.Write("drive2/c.jpg", TinyBitmap());
  session.folder.Write("drive2/readme.txt", "not listed");
  const std::string sub = session.folder / "drive2" + kPathSeparator + "sub";
  std::filesystem::create_directory(sub);
  session.sim.drives = {pics, drive2, session.folder / "no-medium"};
  frmSetup& f = Open();
  ASSERT_EQ(f.Drive1.Drive(), pics);

  Select(f.Drive1, 1);
  EXPECT_EQ(f.Dir1.Path(), drive2);
  EXPECT_EQ(f.File1.Path(), drive2);
  EXPECT_EQ(f.File1.Items(), std::vector<std::string>{"c.jpg"});

  // A drive that cannot be read leaves drive, folder and files as they were.
  f.Dir1.SetPath(sub);
  Select(f.Drive1, 2);
  EXPECT_EQ(f.Drive1.Drive(), drive2);
  EXPECT_EQ(f.Dir1.Path(), sub);
  EXPECT_EQ(f.File1.Path(), sub);
  EXPECT_FALSE(session.program.Ended());
  EXPECT_TRUE(session.sim.ErrorBoxes().empty());

  // Still usable: the next drive works as before.
  Select(f.Drive1, 0);
  EXPECT_EQ(f.File1.Items(), (std::vector<std::string>{"a.bmp", "b.bmp", "notes.jpg"}));
}

TEST_F(SetupShell, HighlightPairSwitchesBoldAndAppearanceOfDoneAndCancel) {
  frmSetup& f = Open();
  for (SSCommand* button : {&f.cmdExit, &f.cmdCancel}) {
    EXPECT_TRUE(button->GetFont().bold);
    Input(*button, {.kind = InputKind::HighlightOff});
    EXPECT_FALSE(button->GetFont().bold);
    EXPECT_EQ(button->Appearance(), 0);
    Input(*button, {.kind = InputKind::HighlightOn});
    EXPECT_TRUE(button->GetFont().bold);
    EXPECT_EQ(button->Appearance(), 3);
  }
  Input(f.picAdd, {.kind = InputKind::HighlightOn});
  EXPECT_EQ(f.picAdd.Appearance(), 0);
}

TEST_F(SetupShell, HelpOpensOneWindowThatOutlivesTheDialog) {
  session.program.Start([](Program& p) { p.Use<frmSetup>().Show(); });
  frmSetup& f = *session.program.IfLoaded<frmSetup>();
  Click(f.cmdHelp);
  frmHelp* help = session.program.IfLoaded<frmHelp>();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->Visible());
  Click(f.cmdHelp);
  EXPECT_EQ(session.program.IfLoaded<frmHelp>(), help);

  Click(f.cmdCancel);
  EXPECT_EQ(session.program.IfLoaded<frmSetup>(), nullptr);
  EXPECT_FALSE(session.program.Ended());
  Click(help->cmdExit);
  EXPECT_EQ(session.program.Reason(), EndReason::LastWindowClosed);
}

// The dialog reads and writes the settings file in the system's code page, and switches to
// UTF-8 for a picture whose name that code page cannot hold.
TEST(SetupEncoding, DoneKeepsTheCodePageUntilAPathNeedsMore) {
  const Latin1CodePage latin1;
  SimSession session("", latin1);
  const std::string pics = session.folder / "Bilder";
  std::filesystem::create_directory(FilePath(pics));
  session.folder.Write(std::string("Bilder") + kPathSeparator + "海.bmp", TinyBitmap());
  const std::string stored = "5\r\nMin\r\n 1 \r\nFullWin\r\n" + pics + kPathSeparator + "Gr\xFC\xDF" "e.bmp\r\n";
  session.folder.Write("Velvora.ini", stored);
  auto done = [&session] {
    Form& dialog = *session.program.FindForm("frmSetup");
    Control& exit = *dialog.Find("cmdExit");
    session.program.Raise(dialog, &exit, {.kind = InputKind::Click});
  };

  frmSetup& f = session.program.Use<frmSetup>();
  EXPECT_EQ(f.List1.Items(), std::vector<std::string>{pics + kPathSeparator + "Grüße.bmp"});
  done();
  EXPECT_EQ(session.folder.Read("Velvora.ini"), stored);

  frmSetup& again = session.program.Use<frmSetup>();
  again.Dir1.SetPath(pics);
  ASSERT_EQ(again.File1.Items(), std::vector<std::string>{"海.bmp"});
  session.program.Raise(again, &again.File1, {.kind = InputKind::Select, .index = 0});
  session.program.Raise(again, &again.picAdd, {.kind = InputKind::Click});
  done();
  EXPECT_EQ(session.folder.Read("Velvora.ini"), "\xEF\xBB\xBF" "5\r\nMin\r\n 2 \r\nFullWin\r\n" + pics + kPathSeparator +
                                                    "Grüße.bmp\r\n" + pics + kPathSeparator + "海.bmp\r\n");
}

}  // namespace
}  // namespace velvora::test
