#include "board/form.h"

#include <QStringDecoder>

namespace quillmere::board {

std::optional<QString> Utf8(const QByteArray& bytes) {
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = decoder(bytes);
  if (decoder.hasError()) return std::nullopt;
  return text;
}

std::optional<Form> ParseForm(const Request& request) {
  const QByteArray type = request.header("content-type").toLower();
  if (!type.startsWith("application/x-www-form-urlencoded")) return std::nullopt;
  Form fields;
  for (const QByteArray& pair : request.body.split('&')) {
    if (pair.isEmpty()) continue;
    const qsizetype eq = pair.indexOf('=');
    auto decode = [](QByteArray part) {
      return QByteArray::fromPercentEncoding(part.replace('+', ' '));
    };
    fields[decode(eq < 0 ? pair : pair.left(eq))] =
        eq < 0 ? QByteArray() : decode(pair.mid(eq + 1));
  }
  return fields;
}

QByteArray Field(const Form& form, const char* name) {
  const auto it = form.find(name);
  return it == form.end() ? QByteArray() : it->second;
}

}  // namespace quillmere::board
