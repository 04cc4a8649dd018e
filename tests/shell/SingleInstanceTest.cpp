#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "platform/sdl/SingleInstance.h"

namespace sk {
namespace {

TEST(SingleInstance, ASecondHolderIsRefusedUntilTheFirstLetsGo) {
  const std::string path =
      (std::filesystem::temp_directory_path() / ("sk_lock_" + std::to_string(::getpid()))).string();
  {
    SingleInstanceLock first(path);
    ASSERT_TRUE(first.Acquire());
    SingleInstanceLock second(path);
    EXPECT_FALSE(second.Acquire());
  }
  SingleInstanceLock third(path);
  EXPECT_TRUE(third.Acquire());
  std::filesystem::remove(path);
}

TEST(SingleInstance, NoLockFileMeansTheGameRunsAnyway) {
  SingleInstanceLock lock("/nonexistent-folder-for-skarveth/lock");
  EXPECT_TRUE(lock.Acquire());
}

}  // namespace
}  // namespace sk
