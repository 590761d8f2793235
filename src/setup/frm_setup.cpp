#include "setup/frm_setup.h"

#include "forms/program.h"
#include "runtime/int16.h"
#include "settings/settings_file.h"
#include "setup/file_patterns.h"
#include "windows/frm_help.h"

namespace velvora {
namespace {

constexpr Colour kBlack = Rgb(0, 0, 0);
constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kGreen = Rgb(0, 255, 0);
constexpr Colour kYellow = Rgb(255, 255, 0);
constexpr Colour kCyan = Rgb(0, 255, 255);
constexpr Colour kRed = Rgb(255, 0, 0);

Font Verdana(float size, bool bold = true) { return {.name = "Verdana", .size = size, .bold = bold}; }

constexpr const char* kBanner = " The Velvora - Brought to you by Quorrin";
constexpr std::size_t kBannerTrailingBlanks = 21;

// The small green hint lines under the folder and file lists.
ControlDesign Hint(std::string_view name, float left, float top, std::string_view caption) {
  return {.name = name, .left = left, .top = top, .caption = caption, .fore = kGreen, .back = kBlack};
}

Label& AutoSized(Label& label) {
  label.autoSize = true;
  label.opaque = false;
  return label;
}

}  // namespace

frmSetup::frmSetup(Program& program)
    : Form(program, {.name = kName,
                     .caption = "",
                     .border = BorderStyle::FixedToolWindow,
                     .clientWidth = 8580,
                     .clientHeight = 6360,
                     .back = kBlack,
                     .icon = "setup",
                     .showInTaskbar = false,
                     .start = StartPosition::CenterScreen,
                     .minButton = false,
                     .maxButton = false}),
      FXLabel4(Add<FXLabel>({.name = "FXLabel4", .width = 8655, .height = 615,
                             .caption = "Welcome to The Velvora Setup",
                             .font = {.name = "Arial", .size = 20.25f, .bold = true}})),
      Line1(Add<Line>({.name = "Line1", .fore = kWhite})),
      Label2(Add<Label>({.name = "Label2", .left = 120, .top = 840, .width = 2535, .height = 255,
                         .caption = "Available Pictures List", .font = Verdana(9),
                         .fore = kGreen, .back = kBlack})),
      Label4(Add<Label>({.name = "Label4", .left = 5640, .top = 840, .width = 2175, .height = 255,
                         .caption = "Number of Pictures:", .font = Verdana(9),
                         .fore = kGreen, .back = kBlack})),
      numImages(Add<Label>({.name = "numImages", .left = 7680, .top = 840, .width = 735, .height = 255,
                            .caption = "1", .font = Verdana(9), .fore = kYellow, .back = kBlack})),
      List1(Add<ListBox>({.name = "List1", .left = 120, .top = 1080, .width = 8325, .height = 840,
                          .tooltip = "Available PICTURES List", .tabIndex = 3})),
      Dir1(Add<DirList>({.name = "Dir1", .left = 120, .top = 2040, .width = 2085, .height = 3015,
                         .tooltip = "Click to OPEN a folder", .tabIndex = 0})),
      File1(Add<FileList>({.name = "File1", .left = 2400, .top = 2040, .width = 2025, .height = 3405,
                           .tooltip = "Double - Click to ADD a picture ", .tabIndex = 2})),
      Drive1(Add<DriveList>({.name = "Drive1", .left = 120, .top = 5160, .width = 2085, .height = 315,
                             .tabIndex = 1})),
      Label3(AutoSized(Add<Label>(Hint("Label3", 120, 5520, "Click here to Open A folder.")))),
      Label5(AutoSized(Add<Label>(Hint("Label5", 2400, 5520, "Click here to Select a Picture.")))),
      Label8(AutoSized(Add<Label>(Hint("Label8", 120, 5760, "Make sure that this folder")))),
      Label6(AutoSized(Add<Label>(Hint("Label6", 2400, 5760, "Double-Click on a Picture file")))),
      Label9(AutoSized(Add<Label>(Hint("Label9", 120, 6000, "contain picture files")))),
      Label7(AutoSized(Add<Label>(Hint("Label7", 2400, 6000, "to Add it to the Pictures List.")))),
      Frame1(Add<Frame>({.name = "Frame1", .left = 4560, .top = 1920, .width = 3885, .height = 4335,
                         .caption = "Properties", .font = Verdana(9.75f), .fore = kCyan, .back = kBlack})),
      Frame2(Add<Frame>({.name = "Frame2", .container = "Frame1", .left = 120, .top = 240,
                         .width = 3615, .height = 855, .back = kBlack})),
      MinOpt(Add<OptionButton>({.name = "MinOpt", .container = "Frame2", .left = 120, .top = 240,
                                .width = 1095, .height = 255, .caption = "Minutes",
                                .font = Verdana(9, false), .fore = kYellow, .back = kBlack,
                                .tabIndex = 12})),
      SecOpt(Add<OptionButton>({.name = "SecOpt", .container = "Frame2", .left = 120, .top = 480,
                                .width = 1215, .height = 255, .caption = "Seconds",
                                .font = Verdana(9, false), .fore = kYellow, .back = kBlack,
                                .tabIndex = 13})),
      Label1(AutoSized(Add<Label>({.name = "Label1", .container = "Frame2", .left = 1560, .top = 360,
                                   .width = 975, .height = 210, .caption = "Intervals:",
                                   .font = Verdana(9), .fore = kGreen, .back = kBlack}))),
      Text1(Add<TextBox>({.name = "Text1", .container = "Frame2", .left = 2640, .top = 360,
                          .width = 795, .height = 285, .caption = "1", .tabIndex = 14})),
      SSPanel1(Add<SSPanel>({.name = "SSPanel1", .container = "Frame1", .left = 120, .top = 1200,
                             .width = 2055, .height = 1935, .caption = "SSPanel1"})),
      picAdd(Add<SSCommand>({.name = "picAdd", .container = "Frame1", .left = 2280, .top = 1200,
                             .width = 1455, .height = 495, .caption = "&Add Picture",
                             .tooltip = "Add a PICTURE", .tabIndex = 10})),
      picRemove(Add<SSCommand>({.name = "picRemove", .container = "Frame1", .left = 2280, .top = 1800,
                                .width = 1455, .height = 495, .caption = "&Remove Picture",
                                .tabIndex = 9})),
      Check1(Add<CheckBox>({.name = "Check1", .container = "Frame1", .left = 2520, .top = 2400,
                            .width = 1155, .height = 285, .caption = "Preview",
                            .font = Verdana(8.25f), .fore = kGreen, .back = kBlack, .tabIndex = 4})),
      cmdHelp(Add<CommandButton>({.name = "cmdHelp", .container = "Frame1", .left = 2280, .top = 2760,
                                  .width = 1485, .height = 345, .caption = "&Help", .tabIndex = 5})),
      OptionRandom(Add<OptionButton>({.name = "OptionRandom", .container = "Frame1", .left = 240,
                                      .top = 3240, .width = 1455, .height = 255, .caption = "Centered",
                                      .font = Verdana(9), .fore = kTooltipBack, .back = kBlack,
                                      .tabIndex = 7})),
      OptionFullWin(Add<OptionButton>({.name = "OptionFullWin", .container = "Frame1", .left = 2160,
                                       .top = 3240, .width = 1575, .height = 255,
                                       .caption = "Full Window", .font = Verdana(8.25f),
                                       .fore = kTooltipBack, .back = kBlack, .tabIndex = 6})),
      cmdCancel(Add<SSCommand>({.name = "cmdCancel", .container = "Frame1", .left = 120, .top = 3600,
                                .width = 1695, .height = 615, .caption = "&Cancel",
                                .font = {.name = "MS Sans Serif", .size = 12, .bold = true},
                                .fore = kRed, .back = kBlack, .tabIndex = 8})),
      cmdExit(Add<SSCommand>({.name = "cmdExit", .container = "Frame1", .left = 2160, .top = 3600,
                              .width = 1635, .height = 585, .caption = "Done", .font = Verdana(12),
                              .fore = kGreen, .back = kBlack, .tabIndex = 11})),
      picture1(Add<FXImage>({.name = "picture1", .left = 4800, .top = 3240, .width = 1815,
                             .height = 1695})),
      Timer1(Add<Timer>({.name = "Timer1"})) {
  Line1.x1 = 120;
  Line1.y1 = 720;
  Line1.x2 = 8400;
  Line1.y2 = 720;
  numImages.alignment = Alignment::Center;
  File1.SetPattern(PicturePatterns(program.toolkit().PictureExtensions()));
  Check1.SetValue(1);
  OptionFullWin.SetValue(true);
  picture1.designAsset = "design";
  cmdExit.pictureAsset = "done";
  Timer1.SetInterval(200);
  Timer1.SetEnabled(false);

  Timer1.OnTimer = [this] { Timer1_Timer(); };
  Drive1.OnChange = [this] { Drive1_Change(); };
  Dir1.OnChange = [this] { Dir1_Change(); };
  MinOpt.OnClick = [this] { MinOpt_Click(); };
  SecOpt.OnClick = [this] { SecOpt_Click(); };
  cmdExit.OnClick = [this] { cmdExit_Click(); };
  cmdCancel.OnClick = [this] { cmdCancel_Click(); };
  cmdHelp.OnClick = [this] { cmdHelp_Click(); };
  cmdExit.OnHighlightOn = [this] { Highlight(cmdExit, true); };
  cmdExit.OnHighlightOff = [this] { Highlight(cmdExit, false); };
  cmdCancel.OnHighlightOn = [this] { Highlight(cmdCancel, true); };
  cmdCancel.OnHighlightOff = [this] { Highlight(cmdCancel, false); };
  List1.OnClick = [this] { List1_Click(); };
  File1.OnClick = [this] { File1_Click(); };
  File1.OnDblClick = [this] { picAdd_Click(); };
  picAdd.OnClick = [this] { picAdd_Click(); };
  picRemove.OnClick = [this] { picRemove_Click(); };
}

void frmSetup::Form_Load() {
  Timer1.SetEnabled(true);

  // The reader never fails: a missing file gives the first-run values, which leave the
  // designer's selections alone.
  const SettingsFileContents stored =
      LoadSettingsFile(SettingsFilePath(program().toolkit().ProgramFolder()), program().codePage());
  Text1.SetText(stored.intervalText);
  if (stored.unit == IntervalUnitKeyword::Min) {
    MinOpt.SetValue(true);
    SecOpt.SetValue(false);
  } else if (stored.unit == IntervalUnitKeyword::Sec) {
    MinOpt.SetValue(false);
    SecOpt.SetValue(true);
  }
  if (stored.placement == PlacementKeyword::FullWin) {
    OptionFullWin.SetValue(true);
  } else if (stored.placement == PlacementKeyword::Random) {
    OptionRandom.SetValue(true);
  }
  for (const std::string& picture : stored.pictures) List1.AddItem(picture);
  PictureCount = static_cast<std::int32_t>(stored.pictures.size());
  ShowPictureCount();

  BannerText = std::string(kBanner) + std::string(kBannerTrailingBlanks, ' ');
  BannerLen = Checked16(static_cast<std::int64_t>(BannerText.size()));
  BannerPos = 1;
}

// Types the banner into the title bar one character a tick; the last blank is never typed,
// the caption is cleared instead and typing starts over.
void frmSetup::Timer1_Timer() {
  if (BannerPos == BannerLen) {
    BannerPos = 1;
    SetCaption("");
  }
  SetCaption(Caption() + BannerText.substr(static_cast<std::size_t>(BannerPos - 1), 1));
  BannerPos = Add16(BannerPos, 1);
}

// A drive that cannot be read (no medium, gone, no permission) leaves the dialog on the
// drive and folder it showed before.
void frmSetup::Drive1_Change() {
  if (restoringDrive_) return;
  try {
    Dir1.SetPath(Drive1.Drive());
  } catch (const RuntimeError&) {
    restoringDrive_ = true;
    Drive1.SetDrive(DriveOf(Dir1.Path(), Drive1.Items()));
    restoringDrive_ = false;
  }
}

void frmSetup::Dir1_Change() { File1.SetPath(Dir1.Path()); }

void frmSetup::MinOpt_Click() {
  if (MinOpt.Value()) program().IntervalUnit = "Min";
}

void frmSetup::SecOpt_Click() {
  if (SecOpt.Value()) program().IntervalUnit = "Sec";
}

// The write replaces the file atomically, so a failure loses nothing; the dialog stays open
// with the user's edits and says why, and Cancel still leaves.
void frmSetup::cmdExit_Click() {
  const std::string path = SettingsFilePath(program().toolkit().ProgramFolder());
  const SettingsToSave settings{.intervalText = Text1.Text(),
                                .intervalUnit = program().IntervalUnit,
                                .fullWindow = OptionFullWin.Value(),
                                .centred = OptionRandom.Value(),
                                .pictures = List1.Items()};
  if (!SaveSettingsFile(path, settings, program().codePage())) {
    program().MsgBox(
        "The settings could not be saved, because the file " + path +
            " cannot be written. Your changes are kept: check that the folder can be written "
            "to and press Done again, or press Cancel to leave without saving.",
        mb::kOk | mb::kIconExclamation, "The Velvora");
    return;
  }
  program().Unload(*this);
}

void frmSetup::cmdCancel_Click() { program().Unload(*this); }

void frmSetup::cmdHelp_Click() { program().Use<frmHelp>().Show(); }

void frmSetup::Highlight(SSCommand& button, bool on) {
  button.SetFontBold(on);
  button.SetAppearance(on ? 3 : 0);
}

void frmSetup::DescribeVariables(PropertySink& sink) const {
  sink.Text("BannerText", BannerText);
  sink.Integer("BannerPos", BannerPos);
  sink.Integer("BannerLen", BannerLen);
  sink.Integer("PictureCount", PictureCount);
  sink.Text("CandidatePath", CandidatePath);
  sink.Integer("Reply", Reply);
}

}  // namespace velvora
