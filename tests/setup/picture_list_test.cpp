// Previewing, adding and removing pictures in the setup dialog's list.
#include <algorithm>

#include "platform/file_path.h"
#include "setup/setup_fixture.h"

namespace velvora::test {
namespace {

using PictureList = SetupTest;

const char* const kInvalid = "Please Select a Valid Image!";

TEST_F(PictureList, PreviewShowsPicturesAndIgnoresAnythingElse) {
  WriteSettings("\r\n\r\n 2 \r\n\r\n" + Path("a.bmp") + "\r\n" + Path("notes.jpg") + "\r\n");
  frmSetup& f = Open();
  EXPECT_FALSE(f.picture1.PictureAssigned());

  SelectFile(f, "b.bmp");
  ASSERT_NE(f.picture1.Picture(), nullptr);
  EXPECT_EQ(f.picture1.Picture()->width, 2);
  const PicturePtr shown = f.picture1.Picture();

  SelectFile(f, "notes.jpg");  // a file that is no picture
  EXPECT_EQ(f.picture1.Picture(), shown);
  Select(f.List1, 1);          // an entry that is no picture
  EXPECT_EQ(f.picture1.Picture(), shown);
  Select(f.List1, 0);
  EXPECT_NE(f.picture1.Picture(), shown);

  Input(f.List1, {.kind = InputKind::DblClick});  // nothing beyond the click's preview
  Click(f.Check1);  // Preview off
  const PicturePtr before = f.picture1.Picture();
  SelectFile(f, "b.bmp");
  Select(f.List1, 0);
  EXPECT_EQ(f.picture1.Picture(), before);
  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ(f.List1.ListCount(), 2);
}

// Folder and file names of any script: on Windows they reach the wide-character calls.
TEST_F(PictureList, FoldersAndFilesOfAnyNameAreBrowsedPreviewedAndAdded) {
  const std::string folder = pics + kPathSeparator + "写真 ő";
  std::filesystem::create_directory(FilePath(folder));
  WriteFile(std::string("写真 ő") + kPathSeparator + "海.bmp", TinyBitmap());
  frmSetup& f = Open();
  const auto& entries = f.Dir1.Entries();
  EXPECT_TRUE(std::any_of(entries.begin(), entries.end(), [&](const auto& e) { return e.path == folder; }));
  f.Dir1.SetPath(folder);
  EXPECT_EQ(f.Dir1.Path(), folder);
  ASSERT_EQ(f.File1.Items(), std::vector<std::string>{"海.bmp"});
  AddFile(f, "海.bmp");
  ASSERT_NE(f.picture1.Picture(), nullptr);  // previewed
  EXPECT_EQ(f.List1.Items(), std::vector<std::string>{folder + kPathSeparator + "海.bmp"});
}

TEST_F(PictureList, AddTestsThePictureOnlyWithPreviewOn) {
  frmSetup& f = Open();
  AddFile(f, "notes.jpg");
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, kInvalid);
  EXPECT_EQ(Boxes()[0].title, "Velvora - Friendly Reminder");
  EXPECT_EQ(Boxes()[0].style, 0x10);
  EXPECT_EQ(f.List1.ListCount(), 0);
  EXPECT_EQ(f.numImages.Caption(), "0");

  Click(f.Check1);  // Preview off: no test, the file goes in
  AddFile(f, "notes.jpg");
  EXPECT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(f.List1.Items(), std::vector<std::string>{Path("notes.jpg")});
  EXPECT_EQ(f.numImages.Caption(), "1");
  EXPECT_EQ(f.List1.ListIndex(), -1);  // the add selects nothing
}

TEST_F(PictureList, DoubleClickOnAFilePreviewsAndAdds) {
  frmSetup& f = Open();
  SelectFile(f, "a.bmp");
  Input(f.File1, {.kind = InputKind::DblClick});
  EXPECT_EQ(f.List1.Items(), std::vector<std::string>{Path("a.bmp")});
  EXPECT_NE(f.picture1.Picture(), nullptr);
}

TEST_F(PictureList, AddingAListedPathAsksAndOnlyYesAddsItAgain) {
  frmSetup& f = Open();
  AddFile(f, "a.bmp");
  ASSERT_EQ(f.numImages.Caption(), "1");

  for (int answer : {mb::kAnswerNo, mb::kAnswerCancel}) {
    AnswerNextBox(answer);
    Click(f.picAdd);
    EXPECT_EQ(f.List1.ListCount(), 1);
    EXPECT_EQ(f.numImages.Caption(), "1");
  }
  AnswerNextBox(mb::kAnswerYes);
  Click(f.picAdd);
  EXPECT_EQ(f.List1.Items(), std::vector<std::string>(2, Path("a.bmp")));
  EXPECT_EQ(f.numImages.Caption(), "2");

  ASSERT_EQ(Boxes().size(), 3u);
  for (const SimMessageBox& box : Boxes()) {
    EXPECT_EQ(box.text, "The selected Picture File is already exists in The Pictures List ----> [ " +
                            Path("a.bmp") + " ]");
    EXPECT_EQ(box.title, "Picture File is already exists - Would you like to Add it again? ");
    EXPECT_EQ(box.style, 0x33);
  }
}

TEST_F(PictureList, APathInAnotherLetterCaseIsNoDuplicate) {
  std::string upper = Path("A.BMP");
  WriteSettings("\r\n\r\n 1 \r\n\r\n" + upper + "\r\n");
  frmSetup& f = Open();
  AddFile(f, "a.bmp");
  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ(f.List1.ListCount(), 2);
  EXPECT_EQ(f.numImages.Caption(), "2");
}

TEST_F(PictureList, CandidateGetsExactlyOneSeparator) {
  frmSetup& f = Open();
  // A folder path that already ends in a separator, as a drive's root folder does.
  f.File1.SetPath(pics + kPathSeparator);
  AddFile(f, "a.bmp");
  EXPECT_EQ(f.List1.List(0), Path("a.bmp"));

  // With no file selected the candidate is the folder with a separator: no picture...
  f.File1.SetPath(pics);
  AddFile(f, "b.bmp");
  Select(f.File1, -1);
  Click(f.picAdd);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, kInvalid);
  // ...and with Preview off it becomes an entry as it is.
  Click(f.Check1);
  Click(f.picAdd);
  EXPECT_EQ(f.List1.List(0), pics + kPathSeparator);
  EXPECT_EQ(f.numImages.Caption(), "3");
}

TEST_F(PictureList, AFullListRefusesTheAddAndKeepsTheCount) {
  std::string file = "\r\n\r\n 32767 \r\nFullWin\r\n";
  for (int i = 0; i < 32767; ++i) file += "p" + std::to_string(i) + "\r\n";
  WriteSettings(file);
  frmSetup& f = Open();
  ASSERT_EQ(f.numImages.Caption(), "32767");
  Click(f.Check1);
  AddFile(f, "a.bmp");
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, kInvalid);
  EXPECT_EQ(f.List1.ListCount(), 32767);
  EXPECT_EQ(f.numImages.Caption(), "32767");
  EXPECT_FALSE(session.program.Ended());
  // The count still matches the list on the next change.
  Select(f.List1, 0);
  AnswerNextBox(mb::kAnswerYes);
  Click(f.picRemove);
  EXPECT_EQ(f.numImages.Caption(), "32766");
}

TEST_F(PictureList, RemoveAsksAndOnlyYesRemoves) {
  WriteSettings("\r\n\r\n 2 \r\n\r\n" + Path("a.bmp") + "\r\n" + Path("b.bmp") + "\r\n");
  frmSetup& f = Open();
  Select(f.List1, 1);
  const PicturePtr previewed = f.picture1.Picture();

  AnswerNextBox(mb::kAnswerNo);
  Click(f.picRemove);
  EXPECT_EQ(f.List1.ListCount(), 2);
  EXPECT_EQ(f.List1.ListIndex(), 1);
  ASSERT_EQ(Boxes().size(), 2u);
  EXPECT_EQ(Boxes()[0].text, "Are You Sure that you want to Remove this Picture File ----> " +
                                 Path("b.bmp") + " <---- Pictures List?");
  EXPECT_EQ(Boxes()[0].title,
            "Are You Sure that you want to Remove this Picture File from Pictures List? [" +
                Path("b.bmp") + " ]");
  EXPECT_EQ(Boxes()[0].style, 0x34);
  EXPECT_EQ(Boxes()[1].text, "Picture was NOT Removed from pictures list!");
  EXPECT_EQ(Boxes()[1].title, "The Velvora");
  EXPECT_EQ(Boxes()[1].style, 0x40);

  AnswerNextBox(mb::kAnswerYes);
  Click(f.picRemove);
  EXPECT_EQ(f.List1.Items(), std::vector<std::string>{Path("a.bmp")});
  EXPECT_EQ(f.List1.ListIndex(), -1);
  EXPECT_EQ(f.numImages.Caption(), "1");
  EXPECT_EQ(f.picture1.Picture(), previewed);
  EXPECT_EQ(Boxes().size(), 3u);
}

TEST_F(PictureList, RemoveWithNothingSelectedRemovesNothing) {
  WriteSettings("\r\n\r\n 1 \r\n\r\n" + Path("a.bmp") + "\r\n");
  frmSetup& f = Open();
  AnswerNextBox(mb::kAnswerYes);
  Click(f.picRemove);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "Are You Sure that you want to Remove this Picture File ---->  <---- Pictures List?");
  EXPECT_EQ(f.List1.ListCount(), 1);
  EXPECT_EQ(f.numImages.Caption(), "1");
  EXPECT_FALSE(session.program.Ended());
  EXPECT_TRUE(session.sim.ErrorBoxes().empty());
}

}  // namespace
}  // namespace velvora::test
