// Loading the compiled-in pictures, sharp at any screen density.
#include "screens/Pictures.h"

#include <QGuiApplication>
#include <QPixmapCache>

namespace quillmere {

QPixmap Picture(std::string_view file) {
  if (file.empty()) return {};
  const QString name = QStringLiteral(":/pictures/") + Text(file);
  const bool dense = qApp && qApp->devicePixelRatio() > 1.0;
  const QString key = dense ? name + QStringLiteral("@2x") : name;
  QPixmap pixmap;
  if (QPixmapCache::find(key, &pixmap)) return pixmap;
  if (dense) {
    // The same picture drawn at twice the size, shown at the layout's logical size.
    const qsizetype dot = name.lastIndexOf(u'.');
    if (pixmap.load(name.left(dot) + QStringLiteral("@2x") + name.mid(dot)))
      pixmap.setDevicePixelRatio(2.0);
  }
  if (pixmap.isNull()) pixmap.load(name);
  QPixmapCache::insert(key, pixmap);
  return pixmap;
}

}  // namespace quillmere
