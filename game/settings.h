// What a player or a distribution may set, and the order it is read in: the command line, then
// the environment, then the configuration files (the player's own before the system's), then
// what the program was built with.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quillmere {

// A link that starts a game in a round with shared luck:
// quillmere://play?board=<percent-encoded address>&round=<id>&seed=<number>
struct PlayLink {
  std::string board;
  std::string round;
  std::uint64_t seed = 0;
  bool operator==(const PlayLink&) const = default;
};
std::optional<PlayLink> ParsePlayLink(std::string_view link);
std::string PlayLinkText(const PlayLink& link);

// A website's address as the game uses it: http or https, a host, and no path, query or
// fragment; a slash at the end is dropped. Nothing for anything else.
std::optional<std::string> WebsiteAddress(std::string_view text);

struct Settings {
  // The board the game's links and records go to; "" for the game's own board on this
  // computer.
  std::string website;
  // Whether a finished game's record is sent to the board.
  bool sendRecords = true;
  // The round this game is played in, from a play link.
  std::optional<PlayLink> play;
};

struct SettingSources {
  std::vector<std::string> arguments;          // without the program's name
  std::optional<std::string> websiteVariable;  // QUILLMERE_WEBSITE
  std::vector<std::string> configTexts;        // the files' texts, the first one wins
  std::string builtWebsite;
};

// The settings, or a message saying what is wrong with them (for the terminal).
std::variant<Settings, std::string> ReadSettings(const SettingSources& sources);

inline constexpr std::string_view kUsage =
    "usage: quillmere [--website URL] [--no-records] [--play quillmere://play?...]\n";

}  // namespace quillmere
