#include <algorithm>

#include "forms/list_controls.h"
#include "runtime/errors.h"
#include "runtime/int16.h"

namespace velvora {

namespace {
// ASCII folding inline: the locale-aware tolower call dominated sorting long lists.
unsigned char FoldCase(char c) {
  auto u = static_cast<unsigned char>(c);
  return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u + ('a' - 'A')) : u;
}
}  // namespace

void DescribeEntries(PropertySink& sink, const std::vector<std::string>& entries) {
  for (std::size_t i = 0; i < entries.size(); ++i) sink.Text("List(" + std::to_string(i) + ")", entries[i]);
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return FoldCase(x) < FoldCase(y); });
}

void ListBox::Settle() const {
  if (settled_ == items_.size()) return;
  if (sorted) {
    auto middle = items_.begin() + static_cast<std::ptrdiff_t>(settled_);
    std::stable_sort(middle, items_.end(), LessIgnoringCase);
    std::inplace_merge(items_.begin(), middle, items_.end(), LessIgnoringCase);
  }
  settled_ = items_.size();
}

const std::vector<std::string>& ListBox::Items() const {
  Settle();
  return items_;
}

std::int16_t ListBox::ListCount() const { return static_cast<std::int16_t>(items_.size()); }

std::string ListBox::List(std::int64_t index) const {
  Settle();
  if (index < 0 || index >= static_cast<std::int64_t>(items_.size())) return "";
  return items_[static_cast<std::size_t>(index)];
}

void ListBox::SetListIndex(std::int64_t index) {
  if (index < -1 || index >= ListCount()) Raise(ErrorNumber::InvalidPropertyValue);
  listIndex_ = static_cast<std::int16_t>(index);
  Changed(Prop::ListIndex);
  RaiseClick();
}

void ListBox::AddItem(const std::string& item) {
  Checked16(static_cast<std::int64_t>(items_.size()) + 1);
  // A selection keeps pointing at the same entry, so settle first when one exists.
  if (listIndex_ >= 0) {
    Settle();
    auto at = sorted ? std::upper_bound(items_.begin(), items_.end(), item, LessIgnoringCase)
                     : items_.end();
    if (at - items_.begin() <= listIndex_) ++listIndex_;
    items_.insert(at, item);
    settled_ = items_.size();
  } else {
    items_.push_back(item);
  }
  Changed(Prop::Items);
}

void ListBox::RemoveItem(std::int64_t index) {
  Settle();
  if (index < 0 || index >= static_cast<std::int64_t>(items_.size())) {
    Raise(ErrorNumber::InvalidProcedureCall);
  }
  items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
  settled_ = items_.size();
  listIndex_ = -1;
  Changed(Prop::Items);
}

void ListBox::Clear() {
  items_.clear();
  settled_ = 0;
  listIndex_ = -1;
  Changed(Prop::Items);
}

void ListBox::Input(const InputEvent& e) {
  if (e.kind != InputKind::Select) return Control::Input(e);
  SetListIndex(e.index);
}

void ListBox::Describe(PropertySink& s) const {
  Control::Describe(s);
  s.Integer("ListCount", ListCount());
  s.Integer("ListIndex", listIndex_);
  s.Text("Text", Text());
  DescribeEntries(s, Items());
}

}  // namespace velvora
