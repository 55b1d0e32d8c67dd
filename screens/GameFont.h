// The game's font: MS Sans Serif 8 pt, or the closest sans-serif the desktop has. Header
// only, so the start-up yardstick in bench/ sets up the same font without the screens.
#pragma once

#include <QFont>
#include <QStringList>

namespace quillmere {

inline QFont GameFont() {
  QFont font(QStringList{QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                         QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                         QStringLiteral("DejaVu Sans")});
  font.setPointSize(8);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

}  // namespace quillmere
