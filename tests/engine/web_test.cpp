// The addresses of the game's website: a hosted board's, or the local pages' file:// ones.
#include <gtest/gtest.h>

#include "game/web.h"

namespace quillmere {
namespace {

TEST(WebAddress, HostedBoardOrLocalPages) {
  struct Case {
    std::string_view website, localSite, path, address;
  };
  const Case cases[] = {
      {"https://board.example", "/usr/share/quillmere/site", kWebsitePage,
       "https://board.example/quillmere/"},
      {"http://127.0.0.1:8080", "", kTutorialPage, "http://127.0.0.1:8080/quillmere/tutorial.htm"},
      // A browser shows a local folder as a listing, so the home page is its index.html.
      {"", "/usr/share/quillmere/site", kWebsitePage,
       "file:///usr/share/quillmere/site/quillmere/index.html"},
      {"", "/usr/share/quillmere/site/", kIntroductionPage,
       "file:///usr/share/quillmere/site/quillmere/intro.htm"},
      {"", "/home/zo\xC3\xAB/my games/q#1/site", kTutorialPage,
       "file:///home/zo%C3%AB/my%20games/q%231/site/quillmere/tutorial.htm"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(WebAddress(c.website, c.localSite, c.path), c.address) << c.localSite << c.path;
}

}  // namespace
}  // namespace quillmere
