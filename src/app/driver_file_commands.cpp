// Commands on files in the program folder, so scripts can prepare settings files and pictures
// and read what the program wrote.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/driver_bmp.h"
#include "app/driver_commands.h"
#include "app/driver_error.h"
#include "platform/file_path.h"

namespace velvora::driver {
namespace {

namespace fs = std::filesystem;

void WriteFile(Session& s, const Args& a) {
  std::ofstream out(FilePath(s.PathInFolder(a[0])), std::ios::binary | std::ios::trunc);
  out << a[1];
  if (!out) throw ScriptError("cannot write " + a[0]);
}

void CopyFile(Session& s, const Args& a) {
  std::error_code ec;
  fs::copy_file(FilePath(a[0]), FilePath(s.PathInFolder(a[1])), fs::copy_options::overwrite_existing, ec);
  if (ec) throw ScriptError("cannot copy " + a[0] + ": " + ec.message());
}

void MakeFolder(Session& s, const Args& a) {
  std::error_code ec;
  fs::create_directories(FilePath(s.PathInFolder(a[0])), ec);
  if (ec) throw ScriptError("cannot create " + a[0] + ": " + ec.message());
}

void Remove(Session& s, const Args& a) {
  std::error_code ec;
  fs::remove_all(FilePath(s.PathInFolder(a[0])), ec);
  if (ec) throw ScriptError("cannot remove " + a[0] + ": " + ec.message());
}

void ReadFile(Session& s, const Args& a) {
  const std::string path = s.PathInFolder(a[0]);
  JsonObject json;
  json.Text("file", a[0]);
  std::error_code ec;
  std::ifstream in(FilePath(path), std::ios::binary);
  const bool exists = fs::is_regular_file(FilePath(path), ec) && in;
  json.Boolean("exists", exists);
  if (exists) {
    std::ostringstream text;
    text << in.rdbuf();
    json.Text("text", text.str());
  }
  s.Print(json);
}

void ListFiles(Session& s, const Args& a) {
  const std::string folder = a.Size() ? s.PathInFolder(a[0]) : s.Folder();
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(FilePath(folder), ec)) {
    names.push_back(JsonQuote(Utf8Path(entry.path().filename()) + (entry.is_directory() ? "/" : "")));
  }
  if (ec) throw ScriptError("cannot list " + folder + ": " + ec.message());
  std::sort(names.begin(), names.end());
  s.Print(JsonObject().Fixed("files", JsonArray(names)));
}

void Bmp(Session& s, const Args& a) {
  const int width = a.Int32(1, "the width"), height = a.Int32(2, "the height");
  if (width <= 0 || height <= 0 || width > 4096 || height > 4096) throw ScriptError("a picture is 1 to 4096 pixels a side");
  const std::int32_t top = ParseColour(a[3]);
  const std::int32_t bottom = a.Size() > 4 ? ParseColour(a[4]) : top;
  if (!WriteGradientBmp(s.PathInFolder(a[0]), width, height, top, bottom)) throw ScriptError("cannot write " + a[0]);
}

}  // namespace

void AddFileCommands(CommandTable& t) {
  t["write-file"] = {"NAME TEXT", 2, 2, WriteFile};
  t["copy-file"] = {"SOURCE NAME", 2, 2, CopyFile};
  t["mkdir"] = {"NAME", 1, 1, MakeFolder};
  t["remove"] = {"NAME", 1, 1, Remove};
  t["read-file"] = {"NAME", 1, 1, ReadFile};
  t["files"] = {"[SUBFOLDER]", 0, 1, ListFiles};
  t["bmp"] = {"NAME WIDTH HEIGHT TOPCOLOUR [BOTTOMCOLOUR]", 4, 5, Bmp};
}

}  // namespace velvora::driver
