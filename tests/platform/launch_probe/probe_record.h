#pragma once
// Reads what the launch probe recorded; while the object lives, TAVRA_PROBE_OUT points
// the probes started by the test at its file.

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace tavra::test {

class ProbeRecord {
 public:
  explicit ProbeRecord(std::string path, int delayMs = 0) : path_(std::move(path)) {
    setenv("TAVRA_PROBE_OUT", path_.c_str(), 1);
    if (delayMs > 0) setenv("TAVRA_PROBE_DELAY_MS", std::to_string(delayMs).c_str(), 1);
    else unsetenv("TAVRA_PROBE_DELAY_MS");
  }
  ~ProbeRecord() {
    unsetenv("TAVRA_PROBE_OUT");
    unsetenv("TAVRA_PROBE_DELAY_MS");
  }

  // Whether the probe has finished its record.
  bool ready() const { return std::filesystem::exists(path_); }

  // For a probe started without waiting: true once the record appears, false after ten
  // seconds without it.
  bool awaitReady() const {
    for (int i = 0; i < 1000 && !ready(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return ready();
  }

  std::string folder() const { return fields().at(0); }
  std::vector<std::string> arguments() const {
    std::vector<std::string> all = fields();
    return std::vector<std::string>(all.begin() + 1, all.end());
  }

 private:
  std::vector<std::string> fields() const {
    std::ifstream in(path_, std::ios::binary);
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> result;
    std::size_t start = 0;
    for (std::size_t end; (end = content.find('\0', start)) != std::string::npos; start = end + 1)
      result.push_back(content.substr(start, end - start));
    if (result.empty()) result.emplace_back();
    return result;
  }

  std::string path_;
};

}  // namespace tavra::test
