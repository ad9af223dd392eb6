#pragma once
// A SWORD repository served over HTTP from 127.0.0.1 by the test itself: files from memory,
// a folder (a path ending in '/') answered with a listing of links as web servers write
// them. Whatever the test puts there is what "the repository" says, hostile or not.

#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <set>
#include <sstream>
#include <string>
#include <thread>

namespace tavra::test {

class HttpRepository {
 public:
  HttpRepository() {
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), size) != 0 || ::listen(listener_, 8) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0)
      ADD_FAILURE() << "no port on 127.0.0.1";
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { serve(); });
  }
  ~HttpRepository() {
    stopping_ = true;
    ::shutdown(listener_, SHUT_RDWR);
    ::close(listener_);
    thread_.join();
  }

  std::string address() const { return "http://127.0.0.1:" + std::to_string(port_) + "/"; }

  void put(const std::string& path, std::string body) {
    const std::lock_guard<std::mutex> lock(mutex_);
    files_[path] = std::move(body);
  }

  // Every file of a repository folder on disk, served under the same paths.
  void putFolder(const std::filesystem::path& root) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
      if (!entry.is_regular_file()) continue;
      std::ifstream in(entry.path(), std::ios::binary);
      std::stringstream bytes;
      bytes << in.rdbuf();
      put(entry.path().lexically_relative(root).string(), bytes.str());
    }
  }

  // mods.d.tar.gz of `entries`: name, type (AE_IFREG, AE_IFLNK, ...) and content (a link's target).
  struct Entry {
    std::string name;
    unsigned type;
    std::string content;
  };
  static std::string archive(const std::vector<Entry>& entries) {
    std::string bytes(std::size_t(32) << 20, '\0');
    std::size_t used = 0;
    struct archive* out = archive_write_new();
    archive_write_add_filter_gzip(out);
    archive_write_set_format_pax_restricted(out);
    archive_write_open_memory(out, bytes.data(), bytes.size(), &used);
    for (const Entry& e : entries) {
      archive_entry* entry = archive_entry_new();
      archive_entry_set_pathname(entry, e.name.c_str());
      archive_entry_set_filetype(entry, e.type);
      archive_entry_set_perm(entry, 0644);
      if (e.type == AE_IFLNK) archive_entry_set_symlink(entry, e.content.c_str());
      if (e.type == AE_IFREG) archive_entry_set_size(entry, la_int64_t(e.content.size()));
      archive_write_header(out, entry);
      if (e.type == AE_IFREG) archive_write_data(out, e.content.data(), e.content.size());
      archive_entry_free(entry);
    }
    archive_write_close(out);
    archive_write_free(out);
    bytes.resize(used);
    return bytes;
  }

 private:
  std::string answer(const std::string& path) {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (auto found = files_.find(path); found != files_.end())
      return response("200 OK", found->second);
    if (!path.empty() && path.back() != '/') return response("404 Not Found", "");
    std::set<std::string> names;
    for (const auto& [name, body] : files_) {
      if (name.compare(0, path.size(), path) != 0 || name.size() == path.size()) continue;
      const std::string rest = name.substr(path.size());
      const std::size_t slash = rest.find('/');
      names.insert(slash == std::string::npos ? rest : rest.substr(0, slash + 1));
    }
    if (names.empty()) return response("404 Not Found", "");
    std::string page = "<html><body><ul>\n";
    for (const std::string& name : names) page += "<li><a href=\"" + name + "\">" + name + "</a></li>\n";
    return response("200 OK", page + "</ul></body></html>\n");
  }

  static std::string response(const std::string& status, const std::string& body) {
    return "HTTP/1.1 " + status + "\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nContent-Type: application/octet-stream\r\nConnection: close\r\n\r\n" + body;
  }

  void serve() {
    while (!stopping_) {
      const int client = ::accept(listener_, nullptr, nullptr);
      if (client < 0) continue;
      std::string request;
      char buffer[4096];
      while (request.find("\r\n\r\n") == std::string::npos) {
        const ssize_t n = ::read(client, buffer, sizeof buffer);
        if (n <= 0) break;
        request.append(buffer, std::size_t(n));
      }
      const std::size_t start = request.find(' ') + 2;
      const std::string path = request.substr(start, request.find(' ', start) - start);
      const std::string reply = answer(path);
      for (std::size_t sent = 0; sent < reply.size();) {
        const ssize_t n = ::send(client, reply.data() + sent, reply.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) break;
        sent += std::size_t(n);
      }
      ::close(client);
    }
  }

  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  std::mutex mutex_;
  std::map<std::string, std::string> files_;
  std::thread thread_;
};

}  // namespace tavra::test
