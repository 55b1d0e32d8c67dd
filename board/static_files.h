// The static files of the site folder the board serves beside its pages.
#pragma once

#include <QString>
#include <optional>

#include "board/http.h"

namespace quillmere::board {

class StaticFiles {
 public:
  // `site` holds quillmere/ with style.css, the pages and their images.
  explicit StaticFiles(const QString& site);
  // The file at a path under /quillmere/; none when there is no such file to serve.
  std::optional<Response> get(const QByteArray& relative) const;

 private:
  QString m_root;
};

}  // namespace quillmere::board
