// Addresses of the game's website.
#include "game/web.h"

namespace quillmere {

namespace {

// A local path as the path of a file:// address: every byte but the unreserved ones and
// the slashes is percent-encoded, so a folder with spaces or accents still opens.
std::string FileUrlPath(std::string_view path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string url;
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                       (byte >= '0' && byte <= '9') || c == '-' || c == '.' || c == '_' ||
                       c == '~' || c == '/';
    if (plain) {
      url += c;
    } else {
      url += '%';
      url += kHex[byte >> 4];
      url += kHex[byte & 15];
    }
  }
  return url;
}

}  // namespace

std::string_view BuiltWebsite() { return QUILLMERE_WEBSITE; }

std::string WebAddress(std::string_view website, std::string_view localSite,
                       std::string_view path) {
  if (!website.empty()) return std::string(website) + std::string(path);
  std::string file(localSite);
  while (!file.empty() && file.back() == '/') file.pop_back();
  file += path;
  if (!file.empty() && file.back() == '/') file += "index.html";
  return "file://" + FileUrlPath(file);
}

}  // namespace quillmere
