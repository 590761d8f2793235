#pragma once
// Splits one script line into words: blanks separate them, "double quotes" hold blanks and
// escapes (\" \\ \n \r \t \xHH \$). A line whose first word begins with '#', and the rest of
// a line from a lone '#' on, are comments.
#include <string>
#include <string_view>
#include <vector>

namespace velvora::driver {

// $FOLDER outside an escape becomes `folder`. Throws ScriptError on a broken quote or escape.
std::vector<std::string> SplitWords(std::string_view line, const std::string& folder);

}  // namespace velvora::driver
