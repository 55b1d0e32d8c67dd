// The board's pages as the pure functions they are: data in, HTML out, no server.
#include <gtest/gtest.h>

#include "board/pages.h"

namespace quillmere::board {
namespace {

TEST(Pages, NumbersAndDurationsInWords) {
  const std::pair<qint64, const char*> numbers[] = {
      {0, "0"}, {999, "999"}, {1000, "1,000"}, {12768109, "12,768,109"}, {-1234567, "−1,234,567"}};
  for (const auto& [n, text] : numbers) EXPECT_EQ(Grouped(n), QString::fromUtf8(text)) << n;
  const std::pair<qint64, const char*> durations[] = {
      {59'000, "less than a minute"},
      {61'000, "1 minute"},
      {(3 * 60 + 12) * 60'000, "3 hours 12 minutes"},
      {(49 * 60 + 5) * 60'000, "2 days 1 hour"}};
  for (const auto& [ms, text] : durations) EXPECT_EQ(Duration(ms), QString::fromUtf8(text)) << ms;
}

// A refusal about a field stands beside it with the focus there; the name typed comes back,
// the password never does.
TEST(Pages, ARefusalStandsBesideItsField) {
  StandingsView view;
  view.standings.round = 1;
  const Refusal refusal("That name and password do not match an account.", "login",
                        "login-password", "Ray <b>");
  const QByteArray page = BoardPage(403, Visitor{}, view, Listing{}, refusal, {}).body;
  EXPECT_TRUE(page.contains("value=\"Ray &lt;b&gt;\""));
  EXPECT_TRUE(
      page.contains("autocomplete=\"current-password\" autofocus aria-invalid=\"true\" "
                    "aria-describedby=\"login-password-error\">\n<p class=\"error\" "
                    "role=\"alert\" id=\"login-password-error\">"));
  EXPECT_EQ(page.count("role=\"alert\""), 1);
  EXPECT_FALSE(
      page.contains("signup-name\" name=\"name\" type=\"text\" required maxlength=\"32\" "
                    "autocomplete=\"username\" value=\"Ray"));
}

}  // namespace
}  // namespace quillmere::board
