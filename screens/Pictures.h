// The game's pictures and texts as Qt wants them: pictures come from the compiled-in
// resources, at twice the pixels on a high-density screen.
#pragma once

#include <QPixmap>
#include <QString>
#include <string_view>

namespace quillmere {

// A picture by its file name in the resources; empty when there is none of that name.
QPixmap Picture(std::string_view file);

// Engine text as a QString.
inline QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace quillmere
