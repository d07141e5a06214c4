// A folder of a test's own under the system's temporary folder, removed with
// its contents when the test ends. Tests run in parallel and in random order,
// so no two may share a fixed path: each folder name is new (process, a
// counter and random bits) and is created exclusively.
#pragma once

#include <atomic>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <process.h>
#define LANQUE_SCRATCH_PID _getpid()
#else
#include <unistd.h>
#define LANQUE_SCRATCH_PID getpid()
#endif

class TScratchDir {
 public:
  explicit TScratchDir(const std::string& prefix = "lanque-test") {
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    const auto temp = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
      path_ = temp / (prefix + "-" + std::to_string(LANQUE_SCRATCH_PID) + "-" + std::to_string(counter++) + "-" +
                      std::to_string(random()));
      std::error_code ec;
      if (std::filesystem::create_directory(path_, ec)) return;  // false when it already existed
    }
    throw std::runtime_error("no new scratch folder under " + temp.string());
  }
  ~TScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TScratchDir(const TScratchDir&) = delete;
  TScratchDir& operator=(const TScratchDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

#undef LANQUE_SCRATCH_PID
