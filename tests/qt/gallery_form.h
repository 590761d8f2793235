#pragma once
// A test window holding one control of every kind, at known places.
#include "forms/controls.h"
#include "forms/fx_controls.h"
#include "forms/list_controls.h"
#include "forms/program.h"

namespace velvora::test {

inline constexpr Colour kGreen = Rgb(0, 255, 0);
inline constexpr Colour kBlack = Rgb(0, 0, 0);

class frmGallery : public Form {
 public:
  static constexpr std::string_view kName = "frmGallery";
  explicit frmGallery(Program& p)
      : Form(p, {.name = kName, .caption = "Gallery", .border = BorderStyle::FixedDialog,
                 .clientWidth = 6000, .clientHeight = 4500, .back = Rgb(0, 0, 128),
                 .icon = "options", .start = StartPosition::CenterScreen}),
        lblTitle(Add<Label>({.name = "lblTitle", .left = 120, .top = 120, .width = 2400, .height = 255,
                             .caption = "Hello, gallery", .font = {.name = "Verdana", .size = 9, .bold = true},
                             .fore = kGreen, .back = kBlack})),
        txtName(Add<TextBox>({.name = "txtName", .left = 120, .top = 480, .width = 1500, .height = 285,
                              .caption = "abc", .tabIndex = 1})),
        cmdGo(Add<CommandButton>({.name = "cmdGo", .left = 120, .top = 840, .width = 1200, .height = 375,
                                  .caption = "&Go", .tooltip = "Go now", .tabIndex = 0})),
        fraBox(Add<Frame>({.name = "fraBox", .left = 2760, .top = 120, .width = 3000, .height = 1800,
                           .caption = "Box"})),
        optA(Add<OptionButton>({.name = "optA", .container = "fraBox", .left = 120, .top = 240,
                                .width = 1200, .height = 255, .caption = "A"})),
        optB(Add<OptionButton>({.name = "optB", .container = "fraBox", .left = 120, .top = 600,
                                .width = 1200, .height = 255, .caption = "B"})),
        chkOn(Add<CheckBox>({.name = "chkOn", .container = "fraBox", .left = 120, .top = 1200,
                             .width = 1500, .height = 255, .caption = "On"})),
        lin1(Add<Line>({.name = "lin1", .fore = Rgb(255, 255, 255)})),
        vsNum(Add<VScrollBar>({.name = "vsNum", .left = 1560, .top = 480, .width = 255, .height = 375})),
        lstItems(Add<ListBox>({.name = "lstItems", .left = 120, .top = 1320, .width = 2400, .height = 840})),
        filFiles(Add<FileList>({.name = "filFiles", .left = 2760, .top = 2040, .width = 1500, .height = 1200})),
        dirTree(Add<DirList>({.name = "dirTree", .left = 4320, .top = 2040, .width = 1500, .height = 1200})),
        drvRoots(Add<DriveList>({.name = "drvRoots", .left = 120, .top = 2280, .width = 1500, .height = 315})),
        imgPic(Add<FXImage>({.name = "imgPic", .left = 120, .top = 2760, .width = 1500, .height = 1200})),
        lblFx(Add<FXLabel>({.name = "lblFx", .container = "imgPic", .width = 1500, .height = 600,
                            .caption = "Fx", .font = {.name = "Arial", .size = 12, .bold = true}})),
        pnl(Add<SSPanel>({.name = "pnl", .left = 1800, .top = 2760, .width = 900, .height = 900,
                          .caption = "Panel"})),
        cmd3d(Add<SSCommand>({.name = "cmd3d", .left = 2760, .top = 3360, .width = 1500, .height = 495,
                              .caption = "&Done", .fore = kGreen, .back = kBlack})),
        tmr(Add<Timer>({.name = "tmr"})),
        dlgColour(Add<CommonDialog>({.name = "dlgColour"})) {
    lin1.x1 = 120;
    lin1.y1 = 2220;
    lin1.x2 = 2520;
    lin1.y2 = 2220;
    vsNum.SetRange(1, 99);
    vsNum.SetValue(50);
    imgPic.designAsset = "design";
    cmd3d.pictureAsset = "done";
    tmr.SetEnabled(false);
    cmdGo.OnClick = [this] { ++clicks; };
    cmd3d.OnClick = [this] { ++clicks3d; };
    cmd3d.OnHighlightOn = [this] { cmd3d.SetAppearance(3); };
    cmd3d.OnHighlightOff = [this] { cmd3d.SetAppearance(0); };
    imgPic.OnMouseMove = [this](int, int, float x, float y) { moves.push_back({x, y}); };
  }
  void Form_MouseMove(int, int, float, float) override { ++formMoves; }
  void Form_KeyDown(int key, int) override { keys.push_back(key); }

  Label& lblTitle;
  TextBox& txtName;
  CommandButton& cmdGo;
  Frame& fraBox;
  OptionButton &optA, &optB;
  CheckBox& chkOn;
  Line& lin1;
  VScrollBar& vsNum;
  ListBox& lstItems;
  FileList& filFiles;
  DirList& dirTree;
  DriveList& drvRoots;
  FXImage& imgPic;
  FXLabel& lblFx;
  SSPanel& pnl;
  SSCommand& cmd3d;
  Timer& tmr;
  CommonDialog& dlgColour;

  int clicks = 0, clicks3d = 0, formMoves = 0;
  std::vector<std::pair<float, float>> moves;
  std::vector<int> keys;
};

}  // namespace velvora::test
