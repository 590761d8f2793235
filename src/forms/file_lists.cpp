#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "forms/form.h"
#include "forms/list_controls.h"
#include "forms/program.h"
#include "platform/file_path.h"
#include "runtime/errors.h"

namespace velvora {
namespace fs = std::filesystem;

namespace {

bool GlobMatch(const char* p, const char* n) {
  for (; *p; ++p, ++n) {
    if (*p == '*') {
      while (p[1] == '*') ++p;
      for (const char* rest = n;; ++rest) {
        if (GlobMatch(p + 1, rest)) return true;
        if (!*rest) return false;
      }
    }
    if (!*n) return false;
    if (*p != '?' && std::tolower(static_cast<unsigned char>(*p)) !=
                         std::tolower(static_cast<unsigned char>(*n))) {
      return false;
    }
  }
  return *n == '\0';
}

std::string CurrentFolder() {
  std::error_code ec;
  fs::path p = fs::current_path(ec);
  return ec ? std::string(1, kPathSeparator) : Utf8Path(p);
}

}  // namespace

bool MatchesPatternList(const std::string& name, const std::string& patterns) {
  std::size_t start = 0;
  while (start <= patterns.size()) {
    std::size_t end = patterns.find(';', start);
    if (end == std::string::npos) end = patterns.size();
    std::string one = patterns.substr(start, end - start);
    if (one == "*.*" || (!one.empty() && GlobMatch(one.c_str(), name.c_str()))) return true;
    start = end + 1;
  }
  return false;
}

std::string DriveOf(const std::string& path, const std::vector<std::string>& drives) {
  std::string best;
  for (const std::string& d : drives) {
    if (path.compare(0, d.size(), d) == 0 && d.size() > best.size()) best = d;
  }
  return best.empty() && !drives.empty() ? drives.front() : best;
}

// ---- FileList ----

FileList::FileList(Form& form, const ControlDesign& d)
    : Control(form, ControlKind::FileList, d), path_(CurrentFolder()) {
  Reload();
}

void FileList::Reload() {
  items_.clear();
  std::error_code ec;
  for (fs::directory_iterator it(FilePath(path_), ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    std::string name = Utf8Path(it->path().filename());
    if (MatchesPatternList(name, pattern_)) items_.push_back(name);
  }
  std::sort(items_.begin(), items_.end(), LessIgnoringCase);
  if (items_.size() > 32767) items_.resize(32767);
  listIndex_ = -1;
  Changed(Prop::Items);
}

void FileList::SetPath(const std::string& path) {
  std::error_code ec;
  if (!fs::is_directory(FilePath(path), ec)) Raise(ErrorNumber::PathNotFound);
  path_ = path;
  Changed(Prop::Path);
  Reload();
}

void FileList::SetPattern(const std::string& pattern) {
  pattern_ = pattern;
  Reload();
}

void FileList::SetListIndex(std::int64_t index) {
  if (index < -1 || index >= ListCount()) Raise(ErrorNumber::InvalidPropertyValue);
  listIndex_ = static_cast<std::int16_t>(index);
  Changed(Prop::ListIndex);
  RaiseClick();
}

std::string FileList::FileName() const {
  return listIndex_ < 0 ? std::string() : items_[static_cast<std::size_t>(listIndex_)];
}

void FileList::Input(const InputEvent& e) {
  if (e.kind != InputKind::Select) return Control::Input(e);
  SetListIndex(e.index);
}

void FileList::Describe(PropertySink& s) const {
  Control::Describe(s);
  s.Text("Path", path_);
  s.Text("Pattern", pattern_);
  s.Integer("ListCount", ListCount());
  s.Integer("ListIndex", listIndex_);
  s.Text("FileName", FileName());
  DescribeEntries(s, items_);
}

// ---- DirList ----

DirList::DirList(Form& form, const ControlDesign& d) : Control(form, ControlKind::DirList, d) {
  SetPath(CurrentFolder());
}

void DirList::SetPath(const std::string& path) {
  std::error_code ec;
  fs::path p = fs::absolute(FilePath(path), ec);
  if (ec || !fs::is_directory(p, ec)) Raise(ErrorNumber::PathNotFound);
  p = p.lexically_normal();
  std::string text = Utf8Path(p);
  if (text.size() > 1 && text.back() == kPathSeparator && p != p.root_path()) text.pop_back();

  entries_.clear();
  int depth = 0;
  fs::path walk;
  for (const fs::path& part : FilePath(text)) {
    walk /= part;
    if (part.empty()) continue;
    if (walk == walk.root_name()) continue;  // "C:" alone is no folder
    entries_.push_back({Utf8Path(walk), depth++, true});
  }
  std::vector<std::string> subfolders;
  for (fs::directory_iterator it(FilePath(text), ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (it->is_directory(typeError)) subfolders.push_back(Utf8Path(it->path()));
  }
  std::sort(subfolders.begin(), subfolders.end(), LessIgnoringCase);
  for (std::string& s : subfolders) entries_.push_back({std::move(s), depth, false});

  bool changed = text != path_;
  path_ = text;
  Changed(Prop::Path);
  if (changed) RaiseChange();
}

int DirList::CurrentEntry() const {
  int current = -1;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].open) current = static_cast<int>(i);
  }
  return current;
}

void DirList::Input(const InputEvent& e) {
  if (e.kind != InputKind::Select) return Control::Input(e);
  if (e.index < 0 || static_cast<std::size_t>(e.index) >= entries_.size()) return;
  SetPath(entries_[static_cast<std::size_t>(e.index)].path);
}

void DirList::Describe(PropertySink& s) const {
  Control::Describe(s);
  s.Text("Path", path_);
  s.Integer("ListCount", static_cast<std::int64_t>(entries_.size()));
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    s.Text("List(" + std::to_string(i) + ")", entries_[i].path);
  }
}

// ---- DriveList ----

DriveList::DriveList(Form& form, const ControlDesign& d)
    : Control(form, ControlKind::DriveList, d), items_(form.program().toolkit().Drives()) {
  drive_ = DriveOf(CurrentFolder(), items_);
}

void DriveList::SetDrive(const std::string& drive) {
  if (drive == drive_) return;
  drive_ = drive;
  Changed(Prop::Value);
  RaiseChange();
}

void DriveList::Input(const InputEvent& e) {
  if (e.kind != InputKind::Select) return Control::Input(e);
  if (e.index < 0 || static_cast<std::size_t>(e.index) >= items_.size()) return;
  SetDrive(items_[static_cast<std::size_t>(e.index)]);
}

void DriveList::Describe(PropertySink& s) const {
  Control::Describe(s);
  s.Text("Drive", drive_);
  DescribeEntries(s, items_);
}

}  // namespace velvora
