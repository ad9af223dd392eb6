#pragma once
// Turning the text of a link into the local file it names. Links are written the way the
// documents' home platform writes paths ("file:///C|/docs/a.htm", "c:\docs\a.htm",
// "\help\x.htm", "sub/y.htm"); they resolve first to that platform's path form and then
// to a path that names the same file on this machine: drive letters go, backslashes become
// slashes, and a name whose letter case differs from the file on disk finds that file.

#include <string>

namespace tavra {

// Blanks and control characters (codes up to 32) removed from both ends.
std::string TrimControls(const std::string& text);

// A link in the home platform's path form: percent escapes decoded (never a "%" that
// stands first; escaped bytes that are not UTF-8 read as Windows-1250), and a URL (any
// text with "/") lower-cased, its "file:///" or "file://" removed, "|" turned into ":"
// and "/" into "\". A file URL without a drive ("file:///tmp/a.htm") keeps the slash that
// roots its path.
std::string UrlToLocalPath(const std::string& text);

// A path of the home platform's form as a path of this machine (names are UTF-8, as the
// file system takes them); relative paths stay relative.
std::string NativePath(const std::string& path);

// The absolute, normalised form of a path of this machine (relative to the current folder).
std::string ExpandFileName(const std::string& path);

// The folder part of a path of this machine, with its trailing slash.
std::string ExtractFileDir(const std::string& path);

// The path itself when it exists; otherwise the path whose components match existing
// files and folders ignoring the letter case, as far as they do; the rest is kept.
std::string MatchFileCase(const std::string& path);

// The document a link is resolved against.
struct LinkContext {
  std::string ServerRoot;    // root of links that begin with "\" (home form)
  std::string DocumentBase;  // the BASE of the document, empty for none
  std::string DocumentFile;  // the shown file, a path of this machine
};

// The local path a link names, as a path of this machine.
std::string ResolveLinkPath(const std::string& name, const LinkContext& context);

// The ServerRoot value as stored: trimmed, one trailing backslash removed.
std::string ServerRootValue(const std::string& text);

}  // namespace tavra
