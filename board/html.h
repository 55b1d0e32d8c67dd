// HTML that escapes by default: text, numbers and strings are always escaped; only string
// literals written as "..."_html go out as markup, so no stored value can ever become markup.
#pragma once

#include <QByteArray>
#include <QString>

namespace quillmere::board {

struct Markup {
  const char* text;
};

inline Markup operator""_html(const char* text, std::size_t) { return Markup{text}; }

class Html {
 public:
  Html& operator<<(Markup markup) {
    m_bytes += markup.text;
    return *this;
  }
  Html& operator<<(const Html& trusted) {
    m_bytes += trusted.m_bytes;
    return *this;
  }
  Html& operator<<(const QString& text) { return *this << text.toUtf8(); }
  Html& operator<<(const char* text) { return *this << QByteArray(text); }
  Html& operator<<(qint64 number) {
    m_bytes += QByteArray::number(number);
    return *this;
  }
  Html& operator<<(int number) { return *this << qint64(number); }
  Html& operator<<(const QByteArray& text) {
    for (char c : text) {
      switch (c) {
        case '<':
          m_bytes += "&lt;";
          break;
        case '>':
          m_bytes += "&gt;";
          break;
        case '&':
          m_bytes += "&amp;";
          break;
        case '"':
          m_bytes += "&quot;";
          break;
        case '\'':
          m_bytes += "&#39;";
          break;
        default:
          m_bytes += c;
      }
    }
    return *this;
  }
  const QByteArray& bytes() const { return m_bytes; }
  QByteArray take() { return std::move(m_bytes); }
  void reserve(qsizetype size) { m_bytes.reserve(size); }

 private:
  QByteArray m_bytes;
};

}  // namespace quillmere::board
