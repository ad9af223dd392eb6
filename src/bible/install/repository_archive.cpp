#include "bible/install/repository_archive.h"

#include <archive.h>
#include <archive_entry.h>

#include <memory>
#include <vector>

#include <sys/stat.h>

#include "bible/core/module_folders.h"
#include "bible/install/module_check.h"

namespace tavra::bible {
namespace {

using Reader = std::unique_ptr<archive, decltype(&archive_read_free)>;
using Writer = std::unique_ptr<archive, decltype(&archive_write_free)>;

const std::string kRefused = "Seznam Biblí, který zdroj poslal, nelze přijmout: ";

std::string shown(const char* name) {
  std::string text = name ? name : "";
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  return "„" + text + "“";
}

// The entry's name split at '/', without "." and empty parts; false for an absolute name,
// a ".." or a backslash.
bool splitName(const char* name, std::vector<std::string>& parts) {
  parts.clear();
  if (!name || !*name || *name == '/') return false;
  const std::string_view text(name);
  if (text.find('\\') != std::string_view::npos) return false;
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t end = std::min(text.find('/', start), text.size());
    const std::string_view part = text.substr(start, end - start);
    if (part == "..") return false;
    if (!part.empty() && part != ".") parts.emplace_back(part);
    start = end + 1;
  }
  return true;
}

std::string copyData(archive* in, archive* out, std::uintmax_t& unpacked) {
  const void* block = nullptr;
  size_t size = 0;
  la_int64_t offset = 0;
  std::uintmax_t written = 0;
  for (;;) {
    const int status = archive_read_data_block(in, &block, &size, &offset);
    if (status == ARCHIVE_EOF) return "";
    if (status != ARCHIVE_OK) return kRefused + "archiv je poškozený.";
    written += size;
    unpacked += size;
    if (written > kMaxDescriptionSize || unpacked > kMaxUnpackedDescriptions)
      return kRefused + "popisy modulů jsou příliš velké.";
    if (archive_write_data_block(out, block, size, offset) != ARCHIVE_OK)
      return "Seznam Biblí nelze uložit do složky programu.";
  }
}

}  // namespace

std::string unpackDescriptions(std::string_view bytes, const std::string& folder) {
  if (bytes.size() > kMaxDescriptionArchive) return kRefused + "je příliš velký.";
  const std::string modsD = folder + "/mods.d";
  if (::mkdir(modsD.c_str(), 0700) != 0) return "Seznam Biblí nelze uložit do složky programu.";

  Reader in(archive_read_new(), &archive_read_free);
  archive_read_support_filter_gzip(in.get());
  archive_read_support_format_tar(in.get());
  if (archive_read_open_memory(in.get(), bytes.data(), bytes.size()) != ARCHIVE_OK)
    return kRefused + "není to archiv popisů modulů.";
  // The names are checked below; the library's own guards stay on all the same.
  Writer out(archive_write_disk_new(), &archive_write_free);
  archive_write_disk_set_options(out.get(), ARCHIVE_EXTRACT_SECURE_SYMLINKS | ARCHIVE_EXTRACT_SECURE_NODOTDOT |
                                                ARCHIVE_EXTRACT_NO_OVERWRITE);

  std::size_t count = 0;
  std::uintmax_t unpacked = 0;
  std::vector<std::string> parts;
  archive_entry* entry = nullptr;
  for (;;) {
    const int status = archive_read_next_header(in.get(), &entry);
    if (status == ARCHIVE_EOF) break;
    if (status != ARCHIVE_OK) return kRefused + "archiv je poškozený.";
    const char* name = archive_entry_pathname(entry);
    const mode_t type = archive_entry_filetype(entry);
    if (!splitName(name, parts)) return kRefused + "položka " + shown(name) + " míří mimo jeho složku.";
    if (type == AE_IFDIR && (parts.empty() || (parts.size() == 1 && parts[0] == "mods.d"))) continue;
    if (type != AE_IFREG || archive_entry_hardlink(entry) || archive_entry_symlink(entry))
      return kRefused + "položka " + shown(name) + " není obyčejný soubor.";
    if (parts.size() != 2 || parts[0] != "mods.d" || !checkFileName(parts[1]).empty())
      return kRefused + "položka " + shown(name) + " neleží ve složce mods.d.";
    if (++count > kMaxDescriptionCount) return kRefused + "obsahuje příliš mnoho položek.";
    if (archive_entry_size_is_set(entry) && std::uintmax_t(archive_entry_size(entry)) > kMaxDescriptionSize)
      return kRefused + "položka " + shown(name) + " je příliš velká.";
    const std::string target = modsD + "/" + parts[1];
    archive_entry_set_pathname(entry, target.c_str());
    archive_entry_set_perm(entry, 0600);
    if (archive_write_header(out.get(), entry) != ARCHIVE_OK)
      return kRefused + "položka " + shown(name) + " se v něm opakuje.";
    if (std::string problem = copyData(in.get(), out.get(), unpacked); !problem.empty()) return problem;
    if (archive_write_finish_entry(out.get()) != ARCHIVE_OK) return "Seznam Biblí nelze uložit do složky programu.";
  }
  if (archive_write_close(out.get()) != ARCHIVE_OK) return "Seznam Biblí nelze uložit do složky programu.";
  return "";
}

}  // namespace tavra::bible
