// Bindings of the outside controls to our own widgets: the picture control, the styled label,
// the 3-D panel and the 3-D button.
#include <QImage>

#include "forms/fx_controls.h"
#include "backends/qt/qt_bindings.h"
#include "backends/qt/qt_picture_widget.h"
#include "backends/qt/qt_units.h"
#include "backends/qt/qt_threed_widgets.h"

namespace velvora::qt {
namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

QImage Asset(const std::string& name) {
  const QString path = AssetPath(name);
  return path.isEmpty() ? QImage() : QImage(path);
}

// The frame comes from the model; the widget only shows it.
class FxImageBinding final : public ControlBinding {
 public:
  FxImageBinding(QtFormView& view, FXImage& image, QWidget* parent)
      : ControlBinding(view, image, new FxImageWidget(parent)) {
    passive = true;
    static_cast<FxImageWidget*>(widget())->frame = [this] {
      return control() ? static_cast<const FXImage*>(control())->CurrentFrame() : effects::ConstImage{};
    };
  }

 protected:
  void ApplyOwn(Prop what) override {
    if (what != Prop::Frame) return;
    auto* w = static_cast<FxImageWidget*>(widget());
    const auto& image = static_cast<const FXImage&>(*control());
    w->SetOpaque(image.FrameOpaque() && QSize(image.PixelWidth(), image.PixelHeight()) == w->size());
    w->update();
  }
  void ApplyColours() override {}
};

class FxLabelBinding final : public ControlBinding {
 public:
  FxLabelBinding(QtFormView& view, FXLabel& label, QWidget* parent)
      : ControlBinding(view, label, new StyledLabelWidget(parent)) {}

 protected:
  void ApplyOwn(Prop what) override {
    auto* w = static_cast<StyledLabelWidget*>(widget());
    if (what == Prop::Caption) w->SetCaption(Text(control()->Caption()));
    if (what == Prop::ForeColor) w->SetColour(ToQColor(control()->ForeColor()));
  }
};

class PanelBinding final : public ControlBinding {
 public:
  PanelBinding(QtFormView& view, SSPanel& panel, QWidget* parent)
      : ControlBinding(view, panel, new PanelWidget(parent)), panel_(panel) {
    passive = true;
    static_cast<PanelWidget*>(widget())->SetBevelWidth(panel.bevelWidth);
  }

 protected:
  void ApplyOwn(Prop what) override {
    auto* w = static_cast<PanelWidget*>(widget());
    if (what == Prop::Caption) w->SetCaption(Text(panel_.Caption()), panel_.captionAtTop);
    if (what == Prop::ForeColor || what == Prop::BackColor) {
      w->SetColours(ToQColor(panel_.BackColor()), ToQColor(panel_.ForeColor()));
    }
  }

 private:
  SSPanel& panel_;
};

class Button3dBinding final : public ControlBinding {
 public:
  Button3dBinding(QtFormView& view, SSCommand& button, QWidget* parent)
      : ControlBinding(view, button, new Button3dWidget(parent)), button_(button) {
    auto* w = static_cast<Button3dWidget*>(widget());
    w->SetPicture(Asset(button.pictureAsset));
    w->onClick = [this] { Report({.kind = InputKind::Click}); };
    w->onEnter = [this] { Report({.kind = InputKind::HighlightOn}); };
    w->onLeave = [this] { Report({.kind = InputKind::HighlightOff}); };
  }

 protected:
  void ApplyOwn(Prop what) override {
    auto* w = static_cast<Button3dWidget*>(widget());
    if (what == Prop::Caption) w->SetCaption(Text(button_.Caption()));
    if (what == Prop::Appearance) w->SetAppearance(button_.Appearance());
    if (what == Prop::ForeColor || what == Prop::BackColor) {
      w->SetColours(ToQColor(button_.BackColor()), ToQColor(button_.ForeColor()));
    }
  }

 private:
  SSCommand& button_;
};

}  // namespace

ControlBinding* BindFx(QtFormView& view, Control& c, QWidget* parent) {
  switch (c.Kind()) {
    case ControlKind::FXImage: return new FxImageBinding(view, static_cast<FXImage&>(c), parent);
    case ControlKind::FXLabel: return new FxLabelBinding(view, static_cast<FXLabel&>(c), parent);
    case ControlKind::SSPanel: return new PanelBinding(view, static_cast<SSPanel&>(c), parent);
    case ControlKind::SSCommand: return new Button3dBinding(view, static_cast<SSCommand&>(c), parent);
    default: return nullptr;
  }
}

ControlBinding* Bind(QtFormView& view, Control& control, QWidget* parent) {
  if (ControlBinding* b = BindStandard(view, control, parent)) return b;
  if (ControlBinding* b = BindList(view, control, parent)) return b;
  return BindFx(view, control, parent);
}

}  // namespace velvora::qt
