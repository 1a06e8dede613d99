#include "base/BackgroundWriter.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "base/Files.h"

namespace velmor {
namespace {

// A disk the test holds: writes wait at the gate while it is shut, and fail while it is broken.
struct HeldDisk {
  std::mutex mutex;
  std::condition_variable opened;
  bool shut = false, broken = false;
  std::map<std::string, std::optional<std::string>> files;
  std::vector<std::string> written;  // every text that reached the disk, in order

  BackgroundWriter::Write Door() {
    return [this](const std::string& path, const std::string* data, std::string& error) {
      std::unique_lock lock(mutex);
      opened.wait(lock, [this] { return !shut; });
      if (broken) {
        error = "the disk is full";
        return false;
      }
      files[path] = data ? std::optional<std::string>(*data) : std::nullopt;
      written.push_back(data ? *data : "(removed)");
      return true;
    };
  }
  void Set(bool isShut, bool isBroken) {
    {
      std::lock_guard lock(mutex);
      shut = isShut;
      broken = isBroken;
    }
    opened.notify_all();
  }
};

TEST(BackgroundWriter, OnlyTheLatestTextOfAFileIsWrittenAndReadBackMeanwhile) {
  HeldDisk disk;
  BackgroundWriter writer(true, disk.Door());
  disk.Set(true, false);
  writer.Put("resume", "move 1");  // taken up by the worker, held at the gate
  for (int k = 2; k <= 50; ++k) writer.Put("resume", "move " + std::to_string(k));
  writer.Put("stats", "won 1");
  ASSERT_TRUE(writer.Pending("resume").has_value());
  EXPECT_EQ(writer.Pending("resume")->value_or(""), "move 50");
  EXPECT_FALSE(writer.Idle());
  disk.Set(false, false);
  ASSERT_TRUE(writer.Flush(std::chrono::seconds(10)));
  EXPECT_EQ(disk.files["resume"], "move 50");
  EXPECT_EQ(disk.files["stats"], "won 1");
  // The one held at the gate, then the latest: none of the 48 in between.
  EXPECT_LE(disk.written.size(), 3u);
  EXPECT_FALSE(writer.Pending("resume").has_value());
  EXPECT_TRUE(writer.Idle());
  writer.Remove("resume");
  ASSERT_TRUE(writer.Flush(std::chrono::seconds(10)));
  EXPECT_FALSE(disk.files["resume"].has_value());
}

TEST(BackgroundWriter, WhatIsWaitingAtTheEndIsWrittenBeforeTheWriterGoes) {
  HeldDisk disk;
  disk.Set(true, false);
  {
    BackgroundWriter writer(true, disk.Door());
    writer.Put("settings", "first");
    writer.Put("settings", "last");
    writer.Put("hall", "ranks");
    disk.Set(false, false);
  }
  EXPECT_EQ(disk.files["settings"], "last");
  EXPECT_EQ(disk.files["hall"], "ranks");
}

TEST(BackgroundWriter, AFailingDiskIsReportedOnThePlayersThreadAndLosesNothing) {
  HeldDisk disk;
  BackgroundWriter writer(true, disk.Door());
  disk.Set(false, true);
  std::vector<std::string> told;
  writer.Put("resume", "move 1", [&](const std::string& why) { told.push_back("resume: " + why); });
  writer.Flush(std::chrono::seconds(10));
  EXPECT_TRUE(told.empty()) << "reports wait for the thread that delivers them";
  writer.DeliverFailures();
  EXPECT_EQ(told, std::vector<std::string>{"resume: the disk is full"});
  // A failed file waits without keeping anyone busy, and still holds its text.
  EXPECT_TRUE(writer.Idle());
  EXPECT_EQ(writer.Pending("resume")->value_or(""), "move 1");
  // Another file's write tries it again; it still fails, and is not told twice.
  writer.Put("hall", "ranks");
  writer.Flush(std::chrono::seconds(10));
  writer.DeliverFailures();
  EXPECT_EQ(told.size(), 1u);
  // The disk comes back: the next write of any file brings the failed one along.
  disk.Set(false, false);
  writer.Put("stats", "won 1");
  ASSERT_TRUE(writer.Flush(std::chrono::seconds(10)));
  EXPECT_EQ(disk.files["resume"], "move 1");
  EXPECT_EQ(disk.files["stats"], "won 1");
  EXPECT_EQ(disk.files["hall"], "ranks");
}

TEST(BackgroundWriter, WritesAtomicallyIntoFoldersItMakes) {
  test::ScratchFolder dir;
  const std::string path = dir.path() + "deeper/Resume.vsave";
  {
    BackgroundWriter writer(true);
    writer.Put(path, "a game");
  }
  std::string text, error;
  ASSERT_TRUE(ReadWholeFile(path, text, error)) << error;
  EXPECT_EQ(text, "a game");
  BackgroundWriter now(false);
  now.Remove(path);
  EXPECT_FALSE(NameTaken(path));
}

}  // namespace
}  // namespace velmor
