#include "backends/common/picture_prefetcher.h"

#include <system_error>
#include <utility>

#include "platform/file_path.h"

namespace velvora {

FileStamp StampOf(const std::string& path) {
  std::error_code error;
  const std::filesystem::path file = FilePath(path);
  FileStamp stamp;
  stamp.modified = std::filesystem::last_write_time(file, error);
  if (error) return {};
  stamp.exists = true;
  // Folders and the like have no size; their time still tells them apart.
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (!error) stamp.size = size;
  return stamp;
}

PicturePrefetcher::PicturePrefetcher(Decoder decode) : decode_(std::move(decode)) {}

PicturePrefetcher::~PicturePrefetcher() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
    DropJob();
  }
  jobQueued_.notify_all();
  if (worker_.joinable()) worker_.join();
}

void PicturePrefetcher::DropJob() {
  job_.reset();
  outcome_.reset();
  started_ = false;
  ++generation_;
}

void PicturePrefetcher::Prefetch(const std::string& path, PictureBound bound) noexcept {
  try {
    std::unique_lock lock(mutex_);
    // Asked again: what is under way or done is still good (Take checks the file anyway).
    if (job_ && job_->path == path && job_->bound == bound) return;
    DropJob();
    if (path.empty()) return;
    job_ = Job{path, bound, generation_};
    if (!worker_.joinable()) worker_ = std::thread([this] { Work(); });
    lock.unlock();
    jobQueued_.notify_one();
  } catch (...) {
    // No memory or no thread: the change decodes on the spot.
    std::lock_guard lock(mutex_);
    DropJob();
  }
}

PicturePtr PicturePrefetcher::Take(const std::string& path, PictureBound bound) {
  std::optional<Outcome> outcome;
  {
    std::unique_lock lock(mutex_);
    const bool asked = job_ && job_->path == path && job_->bound == bound;
    // A job the worker has not begun (it is still on one given up) is quicker done here.
    if (asked && started_) {
      jobDone_.wait(lock, [this] { return outcome_.has_value(); });
      outcome = std::move(outcome_);
    }
    DropJob();
  }
  if (!outcome || outcome->stamp != StampOf(path)) return decode_(path, bound);
  if (outcome->failure) std::rethrow_exception(outcome->failure);
  return std::move(outcome->picture);
}

void PicturePrefetcher::Work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    jobQueued_.wait(lock, [this] { return stopping_ || (job_ && !started_); });
    if (stopping_) return;
    started_ = true;
    const Job job = *job_;
    lock.unlock();
    Outcome outcome;
    outcome.stamp = StampOf(job.path);
    try {
      outcome.picture = decode_(job.path, job.bound);
    } catch (...) {
      outcome.failure = std::current_exception();
    }
    lock.lock();
    if (job_ && job_->generation == job.generation) {
      outcome_ = std::move(outcome);
      jobDone_.notify_all();
    } else {
      // Given up meanwhile: the picture is let go outside the lock.
      lock.unlock();
      outcome = {};
      lock.lock();
    }
  }
}

}  // namespace velvora
