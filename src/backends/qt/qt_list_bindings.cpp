// Bindings of the list box and the file, folder and drive lists.
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>

#include "forms/list_controls.h"
#include "backends/qt/qt_bindings.h"

namespace velvora::qt {
namespace {

QStringList ToQStrings(const std::vector<std::string>& items) {
  QStringList list;
  list.reserve(static_cast<qsizetype>(items.size()));
  for (const std::string& item : items) list.push_back(QString::fromStdString(item));
  return list;
}

// A list widget whose entries are rebuilt from the model at most once per turn of the event
// loop, however many entries code adds in one handler.
class ListBinding : public ControlBinding {
 public:
  ListBinding(QtFormView& view, Control& control, QWidget* parent)
      : ControlBinding(view, control, new QListWidget(parent)) {
    list()->setUniformItemSizes(true);
    QObject::connect(list(), &QListWidget::itemDoubleClicked, this,
                     [this] { Report({.kind = InputKind::DblClick}); });
  }

 protected:
  QListWidget* list() const { return static_cast<QListWidget*>(widget()); }
  virtual void Rebuild() = 0;
  virtual int CurrentRow() const = 0;

  void ApplyOwn(Prop what) override {
    if (what == Prop::Items || what == Prop::Path) {
      ScheduleRebuild();
    } else if (what == Prop::ListIndex && !rebuildPending_) {
      ShowCurrentRow();
    }
  }
  void ApplyColours() override {
    ApplyFieldColours(*widget(), *control());
  }
  void ShowCurrentRow() {
    const QSignalBlocker quiet(list());
    list()->setCurrentRow(CurrentRow());
  }
  // Entries the user picks: the list, file and drive lists select on a change of the current
  // row; the folder list opens a folder on a click.
  void ReportSelections() {
    QObject::connect(list(), &QListWidget::currentRowChanged, this, [this](int row) {
      if (row >= 0) Report({.kind = InputKind::Select, .index = row});
      if (control()) ShowCurrentRow();
    });
  }

 private:
  void ScheduleRebuild() {
    if (rebuildPending_) return;
    rebuildPending_ = true;
    QTimer::singleShot(0, this, [this] {
      rebuildPending_ = false;
      if (!control()) return;
      const QSignalBlocker quiet(list());
      Rebuild();
      list()->setCurrentRow(CurrentRow());
    });
  }
  bool rebuildPending_ = false;
};

// The list box and the file list: a list of texts with one selected entry.
template <class Model>
class TextListBinding final : public ListBinding {
 public:
  TextListBinding(QtFormView& view, Model& model, QWidget* parent) : ListBinding(view, model, parent), model_(model) {
    ReportSelections();
  }

 protected:
  void Rebuild() override {
    list()->clear();
    list()->addItems(ToQStrings(model_.Items()));
  }
  int CurrentRow() const override { return model_.ListIndex(); }

 private:
  Model& model_;
};

// The folders from the root down to the current one (open), then its subfolders, indented.
class DirListBinding final : public ListBinding {
 public:
  DirListBinding(QtFormView& view, DirList& dirs, QWidget* parent) : ListBinding(view, dirs, parent), dirs_(dirs) {
    QObject::connect(list(), &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
      Report({.kind = InputKind::Select, .index = list()->row(item)});
    });
  }

 protected:
  void Rebuild() override {
    list()->clear();
    const QIcon open = widget()->style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = widget()->style()->standardIcon(QStyle::SP_DirClosedIcon);
    for (const DirList::Entry& entry : dirs_.Entries()) {
      const QString path = QString::fromStdString(entry.path);
      QString name = QDir(path).dirName();
      if (name.isEmpty() || entry.depth == 0) name = path;
      auto* item = new QListWidgetItem(entry.open ? open : closed, QString(entry.depth * 2, ' ') + name);
      item->setToolTip(path);
      list()->addItem(item);
    }
  }
  int CurrentRow() const override { return dirs_.CurrentEntry(); }

 private:
  DirList& dirs_;
};

class DriveListBinding final : public ControlBinding {
 public:
  DriveListBinding(QtFormView& view, DriveList& drives, QWidget* parent)
      : ControlBinding(view, drives, new QComboBox(parent)), drives_(drives) {
    QObject::connect(combo(), &QComboBox::activated, this, [this](int index) {
      Report({.kind = InputKind::Select, .index = index});
      Apply(Prop::Value);
    });
  }

 protected:
  void ApplyOwn(Prop what) override {
    if (what != Prop::Items && what != Prop::Value) return;
    const QSignalBlocker quiet(combo());
    const QStringList items = ToQStrings(drives_.Items());
    if (what == Prop::Items || combo()->count() != items.size()) {
      combo()->clear();
      combo()->addItems(items);
    }
    combo()->setCurrentIndex(static_cast<int>(items.indexOf(QString::fromStdString(drives_.Drive()))));
  }
  void ApplyColours() override {
    ApplyFieldColours(*widget(), *control());
  }

 private:
  QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
  DriveList& drives_;
};

}  // namespace

ControlBinding* BindList(QtFormView& view, Control& c, QWidget* parent) {
  switch (c.Kind()) {
    case ControlKind::ListBox: return new TextListBinding<ListBox>(view, static_cast<ListBox&>(c), parent);
    case ControlKind::FileList: return new TextListBinding<FileList>(view, static_cast<FileList&>(c), parent);
    case ControlKind::DirList: return new DirListBinding(view, static_cast<DirList&>(c), parent);
    case ControlKind::DriveList: return new DriveListBinding(view, static_cast<DriveList&>(c), parent);
    default: return nullptr;
  }
}

}  // namespace velvora::qt
