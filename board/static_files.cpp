#include "board/static_files.h"

#include <QFile>
#include <QFileInfo>
#include <map>

#include "board/form.h"
#include "board/pages.h"

namespace quillmere::board {

namespace {

QByteArray ContentType(const QString& path) {
  static const std::map<QString, QByteArray> types = {
      {"html", "text/html; charset=utf-8"},
      {"htm", "text/html; charset=utf-8"},
      {"css", "text/css; charset=utf-8"},
      {"png", "image/png"},
      {"jpg", "image/jpeg"},
      {"jpeg", "image/jpeg"},
      {"svg", "image/svg+xml"},
      {"webp", "image/webp"},
      {"ico", "image/x-icon"},
      {"txt", "text/plain; charset=utf-8"},
      {"woff2", "font/woff2"},
  };
  const auto it = types.find(QFileInfo(path).suffix().toLower());
  return it == types.end() ? QByteArray("application/octet-stream") : it->second;
}

}  // namespace

StaticFiles::StaticFiles(const QString& site)
    : m_root(QFileInfo(site + "/quillmere").canonicalFilePath()) {}

// The path, decoded once by the server, is taken apart: no "..", no hidden names, no
// backslashes, and what it names must still lie inside the folder.
std::optional<Response> StaticFiles::get(const QByteArray& relative) const {
  bool safe = !relative.isEmpty() && !relative.contains('\\') && !relative.contains('\0') &&
              Utf8(relative).has_value() && !m_root.isEmpty();
  for (const QByteArray& part : relative.split('/'))
    if (part.isEmpty() || part.startsWith('.')) safe = false;
  const QFileInfo info(m_root + '/' + QString::fromUtf8(relative));
  if (!safe || !info.isFile() || !info.canonicalFilePath().startsWith(m_root + '/'))
    return std::nullopt;
  QFile file(info.canonicalFilePath());
  if (!file.open(QIODevice::ReadOnly) || file.size() > qint64{16} * 1024 * 1024)
    return std::nullopt;
  Response response;
  response.contentType = ContentType(info.fileName());
  response.body = file.readAll();
  response.headers << "Cache-Control: public, max-age=300" << SecurityHeaders();
  return response;
}

}  // namespace quillmere::board
