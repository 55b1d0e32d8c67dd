// Every form carries a token bound to the visitor's cookie; tries that guess passwords or
// flood the board wait longer each time.
#include "board/sessions.h"

#include <sodium.h>

#include <QDateTime>
#include <QHostAddress>
#include <algorithm>

namespace quillmere::board {

namespace {

constexpr qint64 kSessionMs = 30LL * 24 * 3600 * 1000;
const QByteArray kCookie = "qm";

QByteArray Hex(const unsigned char* bytes, std::size_t size) {
  return QByteArray(reinterpret_cast<const char*>(bytes), qsizetype(size)).toHex();
}

QByteArray TokenHash(const QByteArray& token) {
  unsigned char hash[crypto_hash_sha256_BYTES];
  crypto_hash_sha256(hash, reinterpret_cast<const unsigned char*>(token.constData()),
                     std::size_t(token.size()));
  return Hex(hash, sizeof hash);
}

QString PairKey(const QString& nameKey, const QString& address) {
  return "login:" + address + '|' + nameKey;
}

}  // namespace

qint64 Now() { return QDateTime::currentMSecsSinceEpoch(); }

QByteArray NewToken() {
  unsigned char token[32];  // 256 bits
  randombytes_buf(token, sizeof token);
  return Hex(token, sizeof token);
}

bool SameSecret(const QByteArray& a, const QByteArray& b) {
  return a.size() == b.size() && !a.isEmpty() &&
         sodium_memcmp(a.constData(), b.constData(), std::size_t(a.size())) == 0;
}

QByteArray HashPassword(const QByteArray& password) {
  char hash[crypto_pwhash_STRBYTES];
  if (crypto_pwhash_str(hash, password.constData(), std::size_t(password.size()), 2,
                        std::size_t{19} * 1024 * 1024) != 0)
    return {};
  return QByteArray(hash);
}

bool VerifyPassword(const QByteArray& hash, const QByteArray& password) {
  return !hash.isEmpty() && crypto_pwhash_str_verify(hash.constData(), password.constData(),
                                                     std::size_t(password.size())) == 0;
}

QString Later(qint64 until, qint64 now) {
  const qint64 seconds = std::max<qint64>(1, (until - now + 999) / 1000);
  if (seconds == 1) return QStringLiteral("a second");
  return seconds < 120 ? QStringLiteral("%1 seconds").arg(seconds)
                       : QStringLiteral("%1 minutes").arg((seconds + 59) / 60);
}

Sessions::Sessions(QByteArray secret, bool secureCookies, bool trustProxy, int bidsPerMinute)
    : m_secret(std::move(secret)),
      m_secure(secureCookies),
      m_trustProxy(trustProxy),
      m_bidsPerMinute(bidsPerMinute) {}

Visitor Sessions::visit(Store& store, const Request& request) const {
  Visitor v;
  for (const QByteArray& part : request.header("cookie").split(';')) {
    const QByteArray pair = part.trimmed();
    if (pair.startsWith(kCookie + '=')) v.token = pair.mid(kCookie.size() + 1);
  }
  if (v.token.size() != 64 || QByteArray::fromHex(v.token).toHex() != v.token.toLower()) {
    v.token = NewToken();
    v.fresh = true;
    v.cookies << "Set-Cookie: " + kCookie + '=' + v.token + "; Path=/quillmere; HttpOnly; " +
                     "SameSite=Lax" + (m_secure ? "; Secure" : "");
  } else {
    v.account = store.sessionAccount(TokenHash(v.token), Now());
  }
  v.csrf = csrfFor(v.token);
  v.address = request.peer.toString();
  if (m_trustProxy) {
    // The proxy adds the address it saw at the end; whatever comes before is the client's word.
    QByteArray last;
    for (const auto& [name, value] : request.headers)
      if (name == "x-forwarded-for") last = value.split(',').last().trimmed();
    const QHostAddress forwarded(QString::fromLatin1(last));
    if (!forwarded.isNull()) v.address = forwarded.toString();
  }
  return v;
}

// The form token of a cookie: its HMAC under the board's secret, so only the board can make
// one and it changes with the cookie.
QByteArray Sessions::csrfFor(const QByteArray& token) const {
  unsigned char mac[crypto_auth_hmacsha256_BYTES];
  crypto_auth_hmacsha256_state state;
  crypto_auth_hmacsha256_init(&state, reinterpret_cast<const unsigned char*>(m_secret.constData()),
                              std::size_t(m_secret.size()));
  crypto_auth_hmacsha256_update(&state, reinterpret_cast<const unsigned char*>(token.constData()),
                                std::size_t(token.size()));
  crypto_auth_hmacsha256_final(&state, mac);
  return Hex(mac, sizeof mac);
}

QByteArray Sessions::tokenHash(const Visitor& visitor) const { return TokenHash(visitor.token); }

void Sessions::start(Store& store, Visitor& visitor, const Account& account) const {
  visitor.token = NewToken();
  store.createSession(TokenHash(visitor.token), account.id, Now() + kSessionMs, Now());
  visitor.account = account;
  visitor.cookies.clear();
  visitor.cookies << "Set-Cookie: " + kCookie + '=' + visitor.token +
                         "; Path=/quillmere; Max-Age=" + QByteArray::number(kSessionMs / 1000) +
                         "; HttpOnly; SameSite=Lax" + (m_secure ? "; Secure" : "");
  visitor.csrf = csrfFor(visitor.token);
}

void Sessions::end(Store& store, Visitor& visitor) const {
  store.deleteSession(TokenHash(visitor.token));
  Visitor fresh = visit(store, Request{});
  fresh.address = visitor.address;
  visitor = std::move(fresh);
}

QString Sessions::passwordTry(Store& store, const QString& nameKey, const Visitor& visitor) const {
  // Per account and address: a rival elsewhere cannot slow the owner down. Per address over
  // every account: one address cannot try a password on each of many accounts.
  const std::vector<Store::Gate> gates = {
      {PairKey(nameKey, visitor.address), 5, 5000, 15LL * 60 * 1000, 24LL * 3600 * 1000},
      {"login-from:" + visitor.address, 30, 5000, 15LL * 60 * 1000, 24LL * 3600 * 1000},
  };
  const qint64 now = Now();
  const Store::Wait wait = store.attempt(gates, now);
  if (!wait.until) return {};
  return (wait.gate == 0
              ? QStringLiteral("Too many failed log-ins for this account from your address. Try "
                               "again in %1.")
              : QStringLiteral("Too many failed log-ins from your address. Try again in %1."))
      .arg(Later(wait.until, now));
}

void Sessions::passwordRight(Store& store, const QString& nameKey, const Visitor& visitor) const {
  store.forgetAttempts(PairKey(nameKey, visitor.address));
  store.refundAttempt("login-from:" + visitor.address);
}

QString Sessions::signupTry(Store& store, const Visitor& visitor) const {
  const qint64 now = Now();
  const Store::Wait wait = store.attempt(
      {{"signup:" + visitor.address, 10, 10000, 10LL * 60 * 1000, 3600LL * 1000}}, now);
  if (!wait.until) return {};
  return QStringLiteral("Many accounts were made from your address. Try again in %1.")
      .arg(Later(wait.until, now));
}

// A bucket per address that holds a minute's bids and fills again at that rate.
bool Sessions::bidAllowed(const QString& address) {
  const int perMinute = m_bidsPerMinute;
  if (perMinute <= 0) return true;
  const qint64 now = Now();
  std::lock_guard lock(m_bucketsLock);
  if (m_buckets.size() > 100000)
    std::erase_if(m_buckets, [&](const auto& item) {
      return now - item.second.at > 60000;  // full again by now
    });
  auto [it, fresh] = m_buckets.try_emplace(address, Bucket{double(perMinute), now});
  Bucket& bucket = it->second;
  bucket.tokens =
      std::min(double(perMinute), bucket.tokens + double(now - bucket.at) * perMinute / 60000.0);
  bucket.at = now;
  if (bucket.tokens < 1) return false;
  bucket.tokens -= 1;
  return true;
}

}  // namespace quillmere::board
