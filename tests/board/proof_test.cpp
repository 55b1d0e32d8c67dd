// Bids the board can prove: a finished game's record, sent by the game or with the post, is
// played again and must give the pasted code; each round's rule says what a bid without such
// proof comes to. On SQLite and on PostgreSQL.
#include <gtest/gtest.h>

#include <QThread>

#include "board_client.h"
#include "game/record.h"
#include "random_player.h"

namespace quillmere::board::test {
namespace {

struct Finished {
  QByteArray record;
  QByteArray code;
};

// The n-th random game that reached its end screen.
Finished FinishedGame(int n) {
  for (std::uint64_t seed = 1;; ++seed) {
    const auto played = quillmere::testing::PlayRandomGame(seed);
    if (played.reachedEndScreen && n-- == 0)
      return {QByteArray::fromStdString(RecordText(played.record)),
              QByteArray::fromStdString(played.result.bidCode)};
  }
}

// How many of the account's bids its own page marks verified.
qsizetype Verified(Client& client) {
  return client.get("account").body.count("<span class=\"verified\">verified</span>");
}

HttpResponse SendRecord(quint16 port, const QByteArray& record) {
  return Exchange(port,
                  "POST /quillmere/records HTTP/1.1\r\nHost: 127.0.0.1\r\n"
                  "Content-Type: text/plain\r\nConnection: close\r\nContent-Length: " +
                      QByteArray::number(record.size()) + "\r\n\r\n" + record);
}

class Proofs : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    if (GetParam() && qEnvironmentVariableIsEmpty("QUILLMERE_TEST_POSTGRES"))
      GTEST_SKIP() << "QUILLMERE_TEST_POSTGRES is not set; tools/test starts a server and sets it";
  }
};

TEST_P(Proofs, RecordsProveBidsByEachRoundsRule) {
  Database database(GetParam());
  BoardProcess board(database.url());
  const auto command = [&](const QStringList& arguments) {
    return BoardProcess::Command(arguments, database.url());
  };
  Client ana(board.port());
  ana.signup("Ana", "a long enough password");

  // The game sends its record when the end screen comes up; the code it gave is verified.
  const Finished first = FinishedGame(0);
  EXPECT_EQ(SendRecord(board.port(), first.record).status, 201);
  EXPECT_TRUE(ana.bid(first.code).notice().startsWith("Your bid of"));
  EXPECT_EQ(Verified(ana), 1);

  // A code minted for the highest score, with no game behind it: counted in an open round,
  // but not verified; and a digit changed in F8 is a typo, not a new code.
  const QByteArray minted = MakeCode(2147483647, 5);
  EXPECT_TRUE(ana.bid(minted).notice().startsWith("Your bid of 2147483647"));
  EXPECT_EQ(Verified(ana), 1);
  QByteArray typo = MakeCode(100, 6);
  typo[119] = typo[119] == '9' ? '8' : '9';
  EXPECT_TRUE(ana.bid(typo).error().startsWith("This code has a typo."));

  // A record that does not play is refused, with the step where it breaks.
  QByteArray tampered = first.record;
  tampered.replace("StartGame", "Buy");
  const HttpResponse refused = SendRecord(board.port(), tampered);
  EXPECT_EQ(refused.status, 422);
  EXPECT_TRUE(refused.body.contains("at step 1")) << refused.body.toStdString();

  // A verified round refuses a bid it cannot prove, and takes one proven by a record pasted
  // with the post.
  EXPECT_EQ(command({"close-round", "--rule", "verified"}).first, 0);
  EXPECT_TRUE(ana.bid(MakeCode(2147483647, 7)).error().contains("takes only bids the board can"));
  const Finished second = FinishedGame(1);
  ana.get("");
  EXPECT_TRUE(ana.post("bid", {{"code", second.code}, {"record", second.record}})
                  .notice()
                  .startsWith("Your bid of"));
  EXPECT_EQ(Verified(ana), 2);

  // A seeded round takes only games played on its luck: a free game's record is refused.
  EXPECT_EQ(command({"close-round", "--rule", "seeded", "--seed", "7"}).first, 0);
  const Finished third = FinishedGame(2);
  EXPECT_EQ(SendRecord(board.port(), third.record).status, 201);
  EXPECT_TRUE(ana.bid(third.code).error().contains("played on its own luck"));
  // The standings are shared for a moment: the new round's page comes once they are built anew.
  bool linked = false;
  for (int i = 0; i < 40 && !linked; ++i, QThread::msleep(50))
    linked = ana.get("").body.contains("quillmere://play?board=");
  EXPECT_TRUE(linked);

  // The operator sees each bid with its proof, by account and by round.
  const auto [status, listed] = command({"list-bids", "--account", "Ana"});
  EXPECT_EQ(status, 0);
  EXPECT_EQ(listed.count("\tverified"), 2) << listed.toStdString();
  EXPECT_EQ(listed.count("not verified"), 1) << listed.toStdString();
  const QString roundTwo = command({"list-bids", "--round", "2"}).second;
  EXPECT_EQ(roundTwo.count("round 2"), 1) << roundTwo.toStdString();
  EXPECT_EQ(command({"set-rule", "open"}).first, 0);  // round 3 has no bids yet
}

INSTANTIATE_TEST_SUITE_P(Databases, Proofs, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& param) {
                           return param.param ? "PostgreSQL" : "SQLite";
                         });

}  // namespace
}  // namespace quillmere::board::test
