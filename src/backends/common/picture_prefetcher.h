#pragma once
// Decodes the picture that comes next on a worker thread while the current one is shown, so
// that a change finds it ready instead of waiting for the decoder on the user-interface thread.
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "platform/picture.h"

namespace velvora {

// The largest size a picture is decoded at (a backend passes its screen's size).
struct PictureBound {
  int width = 0;
  int height = 0;
  friend bool operator==(const PictureBound&, const PictureBound&) = default;
};

// What tells a file apart from one put in its place under the same name.
struct FileStamp {
  bool exists = false;
  std::uintmax_t size = 0;
  std::filesystem::file_time_type modified{};
  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};
FileStamp StampOf(const std::string& path);

// Prefetch, Take and the destructor are called from one thread (the user-interface thread).
class PicturePrefetcher {
 public:
  // The platform's decoder: a picture, or a thrown failure (RuntimeError 53, 481...). It runs on
  // the worker thread and on the caller's, so it must not touch the user interface.
  using Decoder = std::function<PicturePtr(const std::string& path, PictureBound bound)>;

  explicit PicturePrefetcher(Decoder decode);
  // Waits at most for the decode that is running; its result is dropped.
  ~PicturePrefetcher();
  PicturePrefetcher(const PicturePrefetcher&) = delete;
  PicturePrefetcher& operator=(const PicturePrefetcher&) = delete;

  // Starts decoding `path` ahead, in place of whatever an earlier call asked for; an empty path
  // only drops that. Never throws: without a worker, Take decodes on the spot.
  void Prefetch(const std::string& path, PictureBound bound) noexcept;

  // The picture of `path` at `bound`, or its failure, exactly as the decoder gives them: the one
  // decoded ahead when it was asked for with the same bound and the file is still the same;
  // when that decode is still running, after waiting for it; otherwise decoded on the spot.
  // What was decoded ahead is given out once.
  PicturePtr Take(const std::string& path, PictureBound bound);

 private:
  struct Job {
    std::string path;
    PictureBound bound;
    std::uint64_t generation = 0;
  };
  struct Outcome {
    FileStamp stamp;  // before the decode: a file changed meanwhile is decoded again
    PicturePtr picture;
    std::exception_ptr failure;
  };

  void Work();
  // Forgets the job; a decode of it that is running ends unheeded. Under the lock.
  void DropJob();

  Decoder decode_;
  std::mutex mutex_;
  std::condition_variable jobQueued_;
  std::condition_variable jobDone_;
  std::optional<Job> job_;          // what was asked for, until taken or replaced
  bool started_ = false;            // the worker is decoding the job
  std::optional<Outcome> outcome_;  // the job's result
  std::uint64_t generation_ = 0;    // tells a job apart from a later one of the same file
  bool stopping_ = false;
  std::thread worker_;  // started with the first job
};

}  // namespace velvora
