// The prefetcher over a decoder the test controls: what was decoded ahead is handed over only
// for the same file, bound and content, a running decode is waited for rather than repeated,
// failures arrive as the decoder threw them, and a later hint or the end drops earlier work.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <fstream>
#include <future>
#include <map>
#include <mutex>
#include <set>
#include <thread>

#include "backends/common/picture_prefetcher.h"
#include "platform/file_path.h"
#include "runtime/errors.h"
#include "support/error_code.h"
#include "support/temp_folder.h"

namespace velvora::test {
namespace {

// "Decodes" a file into a picture as wide as the file is long and as high as the bound is wide;
// no file gives no picture, a missing file fails with 53, a file holding "bad" with 481. Counts
// decodes per file, notes the thread of each, and holds the decodes of chosen files until they
// are let go.
class FakeDecoder {
 public:
  static constexpr std::chrono::seconds kLongEnough{10};

  PicturePtr operator()(const std::string& path, PictureBound bound) {
    std::unique_lock lock(mutex_);
    ++begun_[path];
    threads_[path].push_back(std::this_thread::get_id());
    changed_.notify_all();
    changed_.wait(lock, [&] { return !held_.count(path); });
    ++finished_[path];
    changed_.notify_all();
    lock.unlock();
    if (path.empty()) return nullptr;
    std::ifstream file(FilePath(path), std::ios::binary);
    if (!file) Raise(ErrorNumber::FileNotFound);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (bytes == "bad") Raise(ErrorNumber::InvalidPicture);
    auto picture = std::make_shared<Picture>();
    picture->width = static_cast<int>(bytes.size());
    picture->height = bound.width;
    return picture;
  }

  void Hold(const std::string& path) {
    std::lock_guard lock(mutex_);
    held_.insert(path);
  }
  // Lets go one file's decodes, or all (empty path).
  void LetGo(const std::string& path = "") {
    std::lock_guard lock(mutex_);
    if (path.empty()) {
      held_.clear();
    } else {
      held_.erase(path);
    }
    changed_.notify_all();
  }
  // Waits until `n` decodes of a file have begun (or ended), as the worker gets to them; false
  // when that does not happen (a fault: the test stops instead of hanging).
  bool AwaitBegun(const std::string& path, int n) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, kLongEnough, [&] { return begun_[path] >= n; });
  }
  bool AwaitFinished(const std::string& path, int n) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, kLongEnough, [&] { return finished_[path] >= n; });
  }
  int Decodes(const std::string& path) {
    std::lock_guard lock(mutex_);
    return begun_[path];
  }
  std::vector<std::thread::id> Threads(const std::string& path) {
    std::lock_guard lock(mutex_);
    return threads_[path];
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::set<std::string> held_;
  std::map<std::string, int> begun_, finished_;
  std::map<std::string, std::vector<std::thread::id>> threads_;
};

constexpr PictureBound kScreen{1920, 1080};

class Prefetch : public ::testing::Test {
 protected:
  TempFolder folder;
  FakeDecoder decoder;
  std::optional<PicturePrefetcher> prefetcher{std::in_place,
                                              [this](const std::string& p, PictureBound b) { return decoder(p, b); }};
  // A test that stopped early leaves no decode held for the end to wait on.
  void TearDown() override { decoder.LetGo(); }

  std::string File(const std::string& name, const std::string& bytes) {
    folder.Write(name, bytes);
    return folder / name;
  }
  // The worker held in a decode of `first` (its decodes so far + 1) while `second` is named.
  void HoldFirstAndNameSecond(const std::string& first, const std::string& second, int decodesSoFar = 0) {
    decoder.Hold(first);
    prefetcher->Prefetch(first, kScreen);
    ASSERT_TRUE(decoder.AwaitBegun(first, decodesSoFar + 1));
    prefetcher->Prefetch(second, kScreen);
  }
  int WidthTaken(const std::string& path, PictureBound bound = kScreen) { return prefetcher->Take(path, bound)->width; }
  int ErrorOfTake(const std::string& path) {
    return ErrorOf([&] { prefetcher->Take(path, kScreen); });
  }
};

TEST_F(Prefetch, APictureDecodedAheadIsHandedOverOnce) {
  const std::string a = File("a.jpg", "12345");
  prefetcher->Prefetch(a, kScreen);
  ASSERT_TRUE(decoder.AwaitFinished(a, 1));
  const PicturePtr picture = prefetcher->Take(a, kScreen);
  EXPECT_EQ(picture->width, 5);
  EXPECT_EQ(picture->height, 1920);
  EXPECT_EQ(decoder.Decodes(a), 1);
  EXPECT_NE(decoder.Threads(a)[0], std::this_thread::get_id());
  // Given out once: the next change of the same file decodes it here.
  EXPECT_EQ(WidthTaken(a), 5);
  EXPECT_EQ(decoder.Decodes(a), 2);
  EXPECT_EQ(decoder.Threads(a)[1], std::this_thread::get_id());
}

TEST_F(Prefetch, AChangeWaitsForTheDecodeUnderWayInsteadOfStartingAnother) {
  const std::string a = File("a.jpg", "1234");
  decoder.Hold(a);
  prefetcher->Prefetch(a, kScreen);
  ASSERT_TRUE(decoder.AwaitBegun(a, 1));
  prefetcher->Prefetch(a, kScreen);  // named again: the decode under way still serves
  auto taken = std::async(std::launch::async, [&] { return WidthTaken(a); });
  EXPECT_EQ(taken.wait_for(std::chrono::milliseconds(20)), std::future_status::timeout);
  decoder.LetGo(a);
  EXPECT_EQ(taken.get(), 4);
  EXPECT_EQ(decoder.Decodes(a), 1);
}

TEST_F(Prefetch, AFileReplacedAfterItsDecodeBeganIsDecodedAgain) {
  const std::string a = File("a.jpg", "1234");
  // Replaced with other content of another length...
  prefetcher->Prefetch(a, kScreen);
  ASSERT_TRUE(decoder.AwaitFinished(a, 1));
  File("a.jpg", "123456");
  EXPECT_EQ(WidthTaken(a), 6);
  EXPECT_EQ(decoder.Decodes(a), 2);
  // ...of the same length, newer...
  prefetcher->Prefetch(a, kScreen);
  ASSERT_TRUE(decoder.AwaitFinished(a, 3));
  File("a.jpg", "abcdef");
  const std::filesystem::path file = FilePath(a);
  std::filesystem::last_write_time(file, std::filesystem::last_write_time(file) + std::chrono::seconds(2));
  EXPECT_EQ(WidthTaken(a), 6);
  EXPECT_EQ(decoder.Decodes(a), 4);
  // ...or while the decode ran: what it read may be either file.
  decoder.Hold(a);
  prefetcher->Prefetch(a, kScreen);
  ASSERT_TRUE(decoder.AwaitBegun(a, 5));
  File("a.jpg", "1234567");
  decoder.LetGo(a);
  EXPECT_EQ(WidthTaken(a), 7);
  EXPECT_EQ(decoder.Decodes(a), 6);
}

TEST_F(Prefetch, FailuresArriveAsTheDecoderGaveThem) {
  const std::string gone = folder / "gone.jpg", bad = File("bad.jpg", "bad");
  prefetcher->Prefetch(gone, kScreen);
  ASSERT_TRUE(decoder.AwaitFinished(gone, 1));
  EXPECT_EQ(ErrorOfTake(gone), 53);
  prefetcher->Prefetch(bad, kScreen);
  ASSERT_TRUE(decoder.AwaitFinished(bad, 1));
  EXPECT_EQ(ErrorOfTake(bad), 481);
  EXPECT_EQ(decoder.Decodes(gone), 1);
  EXPECT_EQ(decoder.Decodes(bad), 1);
  // A file that appears after its failure was decoded ahead is decoded now.
  prefetcher->Prefetch(gone, kScreen);
  ASSERT_TRUE(decoder.AwaitFinished(gone, 2));
  File("gone.jpg", "12");
  EXPECT_EQ(WidthTaken(gone), 2);
}

TEST_F(Prefetch, ALaterHintReplacesAnEarlierOne) {
  const std::string a = File("a.jpg", "1"), b = File("b.jpg", "12");
  ASSERT_NO_FATAL_FAILURE(HoldFirstAndNameSecond(a, b));
  decoder.LetGo(a);
  ASSERT_TRUE(decoder.AwaitFinished(b, 1));  // the worker went on to b once a was done
  EXPECT_EQ(WidthTaken(b), 2);
  EXPECT_EQ(decoder.Decodes(b), 1);
  EXPECT_EQ(WidthTaken(a), 1);  // a's early decode was dropped
  EXPECT_EQ(decoder.Decodes(a), 2);
}

TEST_F(Prefetch, WhatWasNotAskedForIsDecodedOnTheSpot) {
  const std::string a = File("a.jpg", "1"), b = File("b.jpg", "12");
  // Another file: decoded here; what was ahead is dropped.
  prefetcher->Prefetch(a, kScreen);
  ASSERT_TRUE(decoder.AwaitFinished(a, 1));
  EXPECT_EQ(WidthTaken(b), 2);
  EXPECT_EQ(decoder.Threads(b), std::vector{std::this_thread::get_id()});
  EXPECT_EQ(WidthTaken(a), 1);
  EXPECT_EQ(decoder.Decodes(a), 2);
  // The same file for another screen size.
  prefetcher->Prefetch(a, kScreen);
  ASSERT_TRUE(decoder.AwaitFinished(a, 3));
  EXPECT_EQ(prefetcher->Take(a, {1280, 1024})->height, 1280);
  // The hinted file, while the worker is still on one given up: quicker here than after it.
  ASSERT_NO_FATAL_FAILURE(HoldFirstAndNameSecond(a, b, 4));
  EXPECT_EQ(WidthTaken(b), 2);
  EXPECT_EQ(decoder.Threads(b).back(), std::this_thread::get_id());
  decoder.LetGo(a);
  // No file: nothing is decoded ahead, and the decoder answers as it does.
  prefetcher->Prefetch("", kScreen);
  EXPECT_EQ(prefetcher->Take("", kScreen), nullptr);
  EXPECT_EQ(decoder.Threads(""), std::vector{std::this_thread::get_id()});
}

TEST_F(Prefetch, TheEndWaitsOnlyForTheDecodeUnderWay) {
  const std::string a = File("a.jpg", "1"), b = File("b.jpg", "12");
  ASSERT_NO_FATAL_FAILURE(HoldFirstAndNameSecond(a, b));
  auto ended = std::async(std::launch::async, [&] { prefetcher.reset(); });
  EXPECT_EQ(ended.wait_for(std::chrono::milliseconds(20)), std::future_status::timeout);
  decoder.LetGo(a);
  ended.get();
  EXPECT_EQ(decoder.Decodes(b), 0);
}

TEST(PrefetchStamp, TellsAFileFromOneInItsPlace) {
  TempFolder folder;
  folder.Write("a", "1234");
  const FileStamp first = StampOf(folder / "a");
  EXPECT_TRUE(first.exists);
  EXPECT_EQ(first.size, 4u);
  EXPECT_EQ(StampOf(folder / "a"), first);
  EXPECT_FALSE(StampOf(folder / "none").exists);
  EXPECT_TRUE(StampOf(folder.Path()).exists);
}

}  // namespace
}  // namespace velvora::test
