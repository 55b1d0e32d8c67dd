// Settings: which source wins, what a website address and a play link may be.
#include <gtest/gtest.h>

#include "game/settings.h"

namespace quillmere {
namespace {

TEST(Settings, TheCommandLineThenTheEnvironmentThenTheFilesThenTheBuild) {
  struct Case {
    SettingSources sources;
    std::string website;
    bool sendRecords;
  };
  const std::string user = "# mine\nwebsite = https://mine.example/\nsend-records = no\n";
  const std::string system = "website=https://distro.example\n";
  const Case cases[] = {
      {{{}, {}, {}, ""}, "", true},
      {{{}, {}, {}, "https://built.example"}, "https://built.example", true},
      {{{}, {}, {system}, "https://built.example"}, "https://distro.example", true},
      {{{}, {}, {user, system}, ""}, "https://mine.example", false},
      {{{}, "http://127.0.0.1:8080", {user}, ""}, "http://127.0.0.1:8080", false},
      {{{}, "", {system}, ""}, "https://distro.example", true},  // an empty variable says nothing
      {{{"--website", "https://cli.example", "--no-records"}, "http://env.example", {}, ""},
       "https://cli.example",
       false},
  };
  for (const Case& c : cases) {
    const auto read = ReadSettings(c.sources);
    ASSERT_TRUE(std::holds_alternative<Settings>(read)) << std::get<std::string>(read);
    EXPECT_EQ(std::get<Settings>(read).website, c.website);
    EXPECT_EQ(std::get<Settings>(read).sendRecords, c.sendRecords);
  }
}

TEST(Settings, RefusesWhatItCannotUse) {
  const SettingSources refused[] = {
      {{"--website", "javascript:alert(1)"}, {}, {}, ""},
      {{"--website", "https://host/path"}, {}, {}, ""},
      {{"--website"}, {}, {}, ""},
      {{"--colour", "red"}, {}, {}, ""},
      {{}, "file:///etc/passwd", {}, ""},
      {{}, {}, {"website = ftp://old.example\n"}, ""},
      {{"--play", "quillmere://play?board=https%3A%2F%2Fb.example&round=1"}, {}, {}, ""},
  };
  for (const SettingSources& sources : refused)
    EXPECT_TRUE(std::holds_alternative<std::string>(ReadSettings(sources)));
}

TEST(Settings, APlayLinkPlaysOnItsBoardAndRound) {
  const PlayLink link{"https://board.example:8443", "spring-3", 18446744073709551615u};
  const std::string text = PlayLinkText(link);
  EXPECT_EQ(text,
            "quillmere://play?board=https%3A%2F%2Fboard.example%3A8443&round=spring-3"
            "&seed=18446744073709551615");
  EXPECT_EQ(ParsePlayLink(text), link);
  // The desktop hands a clicked link over alone; it wins over every other website.
  const auto read = ReadSettings({{text}, "http://env.example", {}, ""});
  ASSERT_TRUE(std::holds_alternative<Settings>(read));
  EXPECT_EQ(std::get<Settings>(read).website, "https://board.example:8443");
  EXPECT_EQ(std::get<Settings>(read).play, link);
  for (const char* bad :
       {"quillmere://play?board=x&round=1&seed=2",
        "quillmere://play?board=https%3A%2F%2Fb&round=a%20b&seed=2",
        "quillmere://play?board=https%3A%2F%2Fb&round=1&seed=-2",
        "quillmere://play?board=https%3A%2F%2Fb&round=1&seed=99999999999999999999",
        "quillmere://play?board=https%3A%2F%2Fb&round=1&seed=2%"})
    EXPECT_FALSE(ParsePlayLink(bad)) << bad;
}

}  // namespace
}  // namespace quillmere
