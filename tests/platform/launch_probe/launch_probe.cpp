// A stand-in for a started program: it records its current folder and its arguments,
// each followed by a NUL byte, in the file named by TAVRA_PROBE_OUT. With
// TAVRA_PROBE_DELAY_MS it first sleeps that long. The record appears by a rename, so a
// reader sees it either whole or not at all.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

int main(int argc, char** argv) {
  const char* out = std::getenv("TAVRA_PROBE_OUT");
  if (out == nullptr) return 2;
  if (const char* delay = std::getenv("TAVRA_PROBE_DELAY_MS"))
    std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(delay)));
  std::string record = std::filesystem::current_path().string();
  record += '\0';
  for (int i = 1; i < argc; ++i) {
    record += argv[i];
    record += '\0';
  }
  std::string temp = std::string(out) + ".part";
  std::FILE* f = std::fopen(temp.c_str(), "wb");
  if (f == nullptr) return 3;
  bool written = std::fwrite(record.data(), 1, record.size(), f) == record.size();
  if (std::fclose(f) != 0 || !written) return 3;
  return std::rename(temp.c_str(), out) == 0 ? 0 : 3;
}
