// Reading the settings from the command line, the environment and the configuration files.
#include "game/settings.h"

#include <charconv>

#include "game/percent.h"

namespace quillmere {

namespace {

constexpr std::string_view kPlayPrefix = "quillmere://play?";

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

bool IsRoundId(std::string_view id) {
  if (id.empty() || id.size() > 32) return false;
  for (const char c : id)
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-'))
      return false;
  return true;
}

// "key = value" lines; blank lines and lines starting with "#" say nothing.
std::optional<std::string> ConfigValue(std::string_view text, std::string_view key) {
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = Trim(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    const std::size_t equals = line.find('=');
    if (line.empty() || line.front() == '#' || equals == std::string_view::npos) continue;
    if (Trim(line.substr(0, equals)) == key) return std::string(Trim(line.substr(equals + 1)));
  }
  return std::nullopt;
}

}  // namespace

std::optional<PlayLink> ParsePlayLink(std::string_view link) {
  if (!link.starts_with(kPlayPrefix)) return std::nullopt;
  std::string_view query = link.substr(kPlayPrefix.size());
  PlayLink play;
  bool seed = false;
  while (!query.empty()) {
    const std::string_view pair = query.substr(0, query.find('&'));
    query.remove_prefix(std::min(query.size(), pair.size() + 1));
    const std::size_t equals = pair.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    const std::string_view key = pair.substr(0, equals);
    const std::optional<std::string> value = PercentDecoded(pair.substr(equals + 1));
    if (!value) return std::nullopt;
    if (key == "board") {
      const std::optional<std::string> board = WebsiteAddress(*value);
      if (!board) return std::nullopt;
      play.board = *board;
    } else if (key == "round") {
      if (!IsRoundId(*value)) return std::nullopt;
      play.round = *value;
    } else if (key == "seed") {
      const char* end = value->data() + value->size();
      const auto [at, error] = std::from_chars(value->data(), end, play.seed);
      if (error != std::errc() || at != end || value->empty()) return std::nullopt;
      seed = true;
    }
  }
  if (play.board.empty() || play.round.empty() || !seed) return std::nullopt;
  return play;
}

std::string PlayLinkText(const PlayLink& link) {
  return std::string(kPlayPrefix) + "board=" + PercentEncoded(link.board, IsUnreserved) +
         "&round=" + link.round + "&seed=" + std::to_string(link.seed);
}

std::optional<std::string> WebsiteAddress(std::string_view text) {
  std::string_view rest = text;
  if (rest.starts_with("https://"))
    rest.remove_prefix(8);
  else if (rest.starts_with("http://"))
    rest.remove_prefix(7);
  else
    return std::nullopt;
  if (rest.ends_with('/')) rest.remove_suffix(1);
  if (rest.empty()) return std::nullopt;
  for (const char c : rest) {
    const bool host = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                      c == '-' || c == '.' || c == ':' || c == '[' || c == ']';
    if (!host) return std::nullopt;
  }
  return std::string(text.substr(0, text.size() - (text.ends_with('/') ? 1 : 0)));
}

std::variant<Settings, std::string> ReadSettings(const SettingSources& sources) {
  Settings settings;
  std::optional<std::string> website;
  std::optional<bool> sendRecords;
  const auto& args = sources.arguments;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--no-records") {
      sendRecords = false;
    } else if ((arg == "--website" || arg == "--play") && i + 1 < args.size()) {
      const std::string& value = args[++i];
      if (arg == "--website") {
        website = WebsiteAddress(value);
        if (!website) return "quillmere: --website wants an http:// or https:// address\n";
      } else {
        settings.play = ParsePlayLink(value);
        if (!settings.play) return "quillmere: this is not a link to play a round: " + value + "\n";
      }
    } else if (ParsePlayLink(arg)) {
      // The desktop hands a clicked link over as the only argument.
      settings.play = ParsePlayLink(arg);
    } else {
      return "quillmere: unknown argument " + arg + "\n" + std::string(kUsage);
    }
  }
  const auto configured = [&](std::string_view key) -> std::optional<std::string> {
    for (const std::string& text : sources.configTexts)
      if (std::optional<std::string> value = ConfigValue(text, key)) return value;
    return std::nullopt;
  };
  if (!website && sources.websiteVariable && !sources.websiteVariable->empty()) {
    website = WebsiteAddress(*sources.websiteVariable);
    if (!website) return "quillmere: QUILLMERE_WEBSITE wants an http:// or https:// address\n";
  }
  if (!website) {
    if (const std::optional<std::string> value = configured("website"); value && !value->empty()) {
      website = WebsiteAddress(*value);
      if (!website)
        return "quillmere: website in quillmere.conf wants an http:// or https:// address\n";
    }
  }
  if (!sendRecords) {
    if (const std::optional<std::string> value = configured("send-records"))
      sendRecords = *value != "no" && *value != "false" && *value != "0";
  }
  settings.website = website ? *website : sources.builtWebsite;
  settings.sendRecords = sendRecords.value_or(true);
  // A round's link plays on that round's board, whatever else is set.
  if (settings.play) settings.website = settings.play->board;
  return settings;
}

}  // namespace quillmere
