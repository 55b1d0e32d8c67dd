// Addresses of the game's website.
#include "game/web.h"

#include "game/percent.h"

namespace quillmere {

namespace {

// A local path as the path of a file:// address: every byte but the unreserved ones and
// the slashes is percent-encoded, so a folder with spaces or accents still opens.
std::string FileUrlPath(std::string_view path) {
  return PercentEncoded(path, [](unsigned char byte) { return IsUnreserved(byte) || byte == '/'; });
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
