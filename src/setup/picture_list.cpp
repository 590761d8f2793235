// The picture list of the setup dialog: previewing a list entry or a file, adding the selected
// file (asking first when its path is already listed) and removing the selected entry.
#include <string>

#include "forms/program.h"
#include "runtime/errors.h"
#include "setup/frm_setup.h"

namespace velvora {

void frmSetup::ShowPictureCount() { numImages.SetCaption(std::to_string(PictureCount)); }

void frmSetup::Preview(const std::string& path) {
  if (Check1.Value() != 1) return;
  try {
    picture1.SetPicture(program().toolkit().LoadPicture(path));
  } catch (const RuntimeError&) {
    // Not a picture: picture1 keeps what it showed.
  }
}

void frmSetup::List1_Click() { Preview(List1.Text()); }

// Always with a separator, also after a root folder's own (the add below avoids doubling it).
void frmSetup::File1_Click() { Preview(Dir1.Path() + kPathSeparator + File1.FileName()); }

void frmSetup::picAdd_Click() {
  Program& p = program();
  try {
    const std::int16_t count = List1.ListCount();
    const std::string& folder = File1.Path();
    CandidatePath = !folder.empty() && folder.back() == kPathSeparator
                        ? folder + File1.FileName()
                        : folder + kPathSeparator + File1.FileName();
    // With Preview on, loading the picture is the validity test; with it off, anything goes.
    if (Check1.Value() == 1) picture1.SetPicture(p.toolkit().LoadPicture(CandidatePath));

    for (std::int16_t i = 0; i < count; ++i) {
      if (List1.List(i) != CandidatePath) continue;
      Reply = p.MsgBox(
          "The selected Picture File is already exists in The Pictures List ----> [ " +
              CandidatePath + " ]",
          mb::kYesNoCancel | mb::kIconExclamation,
          "Picture File is already exists - Would you like to Add it again? ");
      if (Reply != mb::kAnswerYes) return;
      break;
    }
    // The entry goes in before the count moves, so a list that is full (the add raises an
    // overflow) leaves the count matching the list.
    List1.AddItem(CandidatePath);
    ++PictureCount;
    ShowPictureCount();
  } catch (const RuntimeError&) {
    p.MsgBox("Please Select a Valid Image!", mb::kOk | mb::kIconStop, "Velvora - Friendly Reminder");
  }
}

void frmSetup::picRemove_Click() {
  Program& p = program();
  const std::string entry = List1.Text();
  Reply = p.MsgBox(
      "Are You Sure that you want to Remove this Picture File ----> " + entry + " <---- Pictures List?",
      mb::kYesNo | mb::kIconExclamation,
      "Are You Sure that you want to Remove this Picture File from Pictures List? [" + entry + " ]");
  if (Reply == mb::kAnswerYes) {
    // With no entry selected there is nothing to remove, and the count stays as it is.
    if (List1.ListIndex() < 0) return;
    List1.RemoveItem(List1.ListIndex());
    --PictureCount;
    ShowPictureCount();
  } else if (Reply == mb::kAnswerNo) {
    p.MsgBox("Picture was NOT Removed from pictures list!", mb::kOk | mb::kIconInformation, "The Velvora");
  }
}

}  // namespace velvora
