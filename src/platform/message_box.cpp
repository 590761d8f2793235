#include "platform/toolkit.h"

namespace velvora::mb {

std::vector<int> Buttons(int style) {
  switch (style & kButtonsMask) {
    case kOkCancel: return {kAnswerOk, kAnswerCancel};
    case kYesNoCancel: return {kAnswerYes, kAnswerNo, kAnswerCancel};
    case kYesNo: return {kAnswerYes, kAnswerNo};
    default: return {kAnswerOk};
  }
}

int DefaultAnswer(int style) {
  std::vector<int> buttons = Buttons(style);
  std::size_t index = (style & kDefaultButton3) ? 2 : (style & kDefaultButton2) ? 1 : 0;
  return index < buttons.size() ? buttons[index] : buttons.front();
}

}  // namespace velvora::mb
