// Durable replacement on POSIX systems. The temporary file has a name of its own
// ("<target>.<six letters>.tmp"), so two replacements never write into one file, and it is held
// under an exclusive lock while it is written. A replacement that was killed leaves its file
// unlocked (the system drops the lock with the process); the next replacement that succeeds
// removes every such leftover and leaves the locked ones of replacements still running alone.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <string>

#include "settings/durable_file.h"

namespace velvora {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTemporarySuffix = ".tmp";
constexpr std::size_t kRandomLetters = 6;

// A file descriptor, closed (and so unlocked) when it goes out of scope.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }

 private:
  int fd_;
};

bool IsTemporaryOf(const std::string& name, const std::string& targetName) {
  return name.size() == targetName.size() + 1 + kRandomLetters + kTemporarySuffix.size() &&
         name.starts_with(targetName) && name[targetName.size()] == '.' &&
         name.ends_with(kTemporarySuffix);
}

// A symbolic link is followed, so the file it names is replaced and the link stays a link.
fs::path FileToReplace(const fs::path& target) {
  std::error_code ec;
  if (!fs::is_symlink(target, ec)) return target;
  const fs::path resolved = fs::canonical(target, ec);
  return ec ? target : resolved;
}

fs::path FolderOf(const fs::path& file) { return file.has_parent_path() ? file.parent_path() : fs::path("."); }

// Creates a new temporary file beside `file`, with the permissions the old file has (the
// user's default permissions when there is none), locked.
int CreateTemporary(const fs::path& file, fs::path& temporary) {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device entropy;
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = file.filename().string() + ".";
    for (std::size_t i = 0; i < kRandomLetters; ++i) name += kLetters[entropy() % (sizeof kLetters - 1)];
    name += kTemporarySuffix;
    temporary = FolderOf(file) / name;
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return -1;
    }
    ::flock(fd, LOCK_EX);  // fresh, so nobody else holds it; without locks nothing is ever removed
    struct stat old {};
    if (::stat(file.c_str(), &old) == 0 && S_ISREG(old.st_mode)) ::fchmod(fd, old.st_mode & 07777);
    return fd;
  }
  return -1;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool SyncFile(int fd) {
  while (::fsync(fd) != 0) {
    if (errno != EINTR) return false;
  }
  return true;
}

// Makes the rename itself durable. A failure here is not reported: the folder then holds the
// old entry or the new one after a power cut, and both name a whole, synced file.
void SyncFolder(const fs::path& folder) {
  const FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.valid()) SyncFile(dir.get());
}

// Removes the temporary files of `file` that no running replacement holds.
void RemoveLeftovers(const fs::path& file) {
  const std::string targetName = file.filename().string();
  std::error_code ec;
  for (const fs::directory_entry& entry : fs::directory_iterator(FolderOf(file), ec)) {
    const fs::path& path = entry.path();
    if (!IsTemporaryOf(path.filename().string(), targetName)) continue;
    const FileDescriptor leftover(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!leftover.valid() || ::flock(leftover.get(), LOCK_EX | LOCK_NB) != 0) continue;
    // Only the file that was locked: the name may have been taken again in the meantime.
    struct stat locked {}, named {};
    if (::fstat(leftover.get(), &locked) == 0 && ::lstat(path.c_str(), &named) == 0 &&
        locked.st_dev == named.st_dev && locked.st_ino == named.st_ino) {
      ::unlink(path.c_str());
    }
  }
}

}  // namespace

bool ReplaceFileDurably(const fs::path& target, std::string_view bytes) {
  const fs::path file = FileToReplace(target);
  fs::path temporary;
  const FileDescriptor out(CreateTemporary(file, temporary));
  if (!out.valid()) return false;
  if (!WriteAll(out.get(), bytes) || !SyncFile(out.get()) || ::rename(temporary.c_str(), file.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  SyncFolder(FolderOf(file));
  RemoveLeftovers(file);
  return true;
}

}  // namespace velvora
