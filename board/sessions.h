// Who is asking: the cookie that names a visitor, the session that makes them a bidder, the
// form token bound to the cookie, password hashes, and how often an address may try things.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <mutex>
#include <optional>
#include <unordered_map>

#include "board/http.h"
#include "board/store.h"

namespace quillmere::board {

qint64 Now();

// Their cookie's token (new when they had none), the form token bound to it, and their
// account when the token is a live session.
struct Visitor {
  QByteArray token;
  bool fresh = false;
  QByteArray csrf;
  QString address;
  std::optional<Account> account;
  QList<QByteArray> cookies;  // Set-Cookie lines to send
};

// The hash of a password in the PHC form libsodium writes (Argon2id, 19 MiB, 2 passes).
QByteArray HashPassword(const QByteArray& password);
bool VerifyPassword(const QByteArray& hash, const QByteArray& password);
QByteArray NewToken();
bool SameSecret(const QByteArray& a, const QByteArray& b);
// How long until a time, in the words a page uses.
QString Later(qint64 until, qint64 now);

class Sessions {
 public:
  Sessions(QByteArray secret, bool secureCookies, bool trustProxy, int bidsPerMinute);

  Visitor visit(Store& store, const Request& request) const;
  // Starts a session for an account on this visitor, with a fresh token.
  void start(Store& store, Visitor& visitor, const Account& account) const;
  void end(Store& store, Visitor& visitor) const;
  QByteArray tokenHash(const Visitor& visitor) const;

  // Counts a password try for an account (by its name's key) from the visitor's address,
  // before the password is checked; the refusal to show when the try must wait.
  QString passwordTry(Store& store, const QString& nameKey, const Visitor& visitor) const;
  // A right password: its try is not held against the account or the address.
  void passwordRight(Store& store, const QString& nameKey, const Visitor& visitor) const;
  // Counts a sign-up from the visitor's address; the refusal when it must wait.
  QString signupTry(Store& store, const Visitor& visitor) const;
  // Whether the visitor's address may post another bid now.
  bool bidAllowed(const QString& address);

 private:
  QByteArray csrfFor(const QByteArray& token) const;
  QByteArray m_secret;
  bool m_secure;
  bool m_trustProxy;
  int m_bidsPerMinute;
  struct Bucket {
    double tokens = 0;
    qint64 at = 0;
  };
  std::mutex m_bucketsLock;
  std::unordered_map<QString, Bucket> m_buckets;  // bids per address
};

}  // namespace quillmere::board
