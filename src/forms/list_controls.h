#pragma once
// The list-like controls: the sorted list box, and the file, folder and drive lists that show
// the real file system.
#include <cstdint>
#include <string>
#include <vector>

#include "forms/control.h"

namespace velvora {

// Lists entries as "List(0)", "List(1)", ... for the driver.
void DescribeEntries(PropertySink& sink, const std::vector<std::string>& entries);

// Compares without regard to case (ASCII letters), as the sorted list box orders its entries.
bool LessIgnoringCase(const std::string& a, const std::string& b);

// A list box. When sorted, each added entry takes its place in ascending order without regard
// to case, after any equal entries. Count and indexes are signed 16-bit.
class ListBox : public Control {
 public:
  ListBox(Form& form, const ControlDesign& d) : Control(form, ControlKind::ListBox, d) {}
  bool sorted = true;

  std::int16_t ListCount() const;
  // The entry at an index; an index outside the list gives the empty text.
  std::string List(std::int64_t index) const;
  std::int16_t ListIndex() const { return listIndex_; }
  // Selects an entry (-1: none); an index outside -1..count-1 raises 380. Raises Click.
  void SetListIndex(std::int64_t index);
  std::string Text() const { return List(listIndex_); }
  // Adds an entry at its sorted place; a list already holding 32767 entries raises 6.
  void AddItem(const std::string& item);
  // Removes the entry at an index (5 when there is none); no entry is selected afterwards.
  void RemoveItem(std::int64_t index);
  void Clear();
  const std::vector<std::string>& Items() const;

  void Input(const InputEvent& event) override;
  void Describe(PropertySink& sink) const override;

 private:
  void Settle() const;
  // Entries added since the last read wait here unsorted, so that filling a long list costs
  // one sort and merge instead of one insertion per entry.
  mutable std::vector<std::string> items_;
  mutable std::size_t settled_ = 0;
  std::int16_t listIndex_ = -1;
};

// Matches a file name against a pattern list such as "*.bmp;*.jpg" (case-insensitive).
bool MatchesPatternList(const std::string& name, const std::string& patterns);

// The files of one folder that match a pattern list, sorted without regard to case.
class FileList : public Control {
 public:
  FileList(Form& form, const ControlDesign& d);
  const std::string& Path() const { return path_; }
  void SetPath(const std::string& path);  // 76 when the folder cannot be read
  const std::string& Pattern() const { return pattern_; }
  void SetPattern(const std::string& pattern);
  const std::vector<std::string>& Items() const { return items_; }
  std::int16_t ListCount() const { return static_cast<std::int16_t>(items_.size()); }
  std::int16_t ListIndex() const { return listIndex_; }
  void SetListIndex(std::int64_t index);  // raises Click
  // The selected file name, or empty text.
  std::string FileName() const;

  void Input(const InputEvent& event) override;
  void Describe(PropertySink& sink) const override;

 private:
  void Reload();
  std::string path_;
  std::string pattern_ = "*.*";
  std::vector<std::string> items_;
  std::int16_t listIndex_ = -1;
};

// A folder list: the folders from the root down to the current one, then its subfolders.
class DirList : public Control {
 public:
  struct Entry {
    std::string path;
    int depth = 0;
    bool open = false;  // the current folder or one of its ancestors
  };
  DirList(Form& form, const ControlDesign& d);
  const std::string& Path() const { return path_; }
  void SetPath(const std::string& path);  // 76 when missing; raises Change when it differs
  const std::vector<Entry>& Entries() const { return entries_; }
  // The entry of the current folder (the last open one), -1 when there is none.
  int CurrentEntry() const;

  void Input(const InputEvent& event) override;  // Select opens that folder
  void Describe(PropertySink& sink) const override;

 private:
  std::string path_;
  std::vector<Entry> entries_;
};

// A drive list: the roots the platform lets a user browse.
class DriveList : public Control {
 public:
  DriveList(Form& form, const ControlDesign& d);
  const std::string& Drive() const { return drive_; }
  void SetDrive(const std::string& drive);  // raises Change when it differs
  const std::vector<std::string>& Items() const { return items_; }

  void Input(const InputEvent& event) override;  // Select chooses that drive
  void Describe(PropertySink& sink) const override;

 private:
  std::string drive_;
  std::vector<std::string> items_;
};

// The root (drive or mount point) among `drives` that holds `path`; the first one if none does.
std::string DriveOf(const std::string& path, const std::vector<std::string>& drives);

}  // namespace velvora
