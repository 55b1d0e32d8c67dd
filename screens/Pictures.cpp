// Loading the compiled-in pictures, sharp at any screen density.
#include "screens/Pictures.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QPixmapCache>

namespace quillmere {

namespace {

// Reads a picture in the format its suffix names. Left to guess the format, Qt loads every
// image plugin it has, with their libraries, to ask each one whether it reads the file:
// milliseconds at start and a megabyte of memory for formats the game never uses. A picture
// that is not there (a large drawing not made for every picture) is no error.
bool Load(QPixmap& pixmap, const QString& name) {
  if (!QFileInfo::exists(name)) return false;
  QImageReader reader(name, QFileInfo(name).suffix().toLatin1());
  reader.setAutoDetectImageFormat(false);
  return pixmap.convertFromImage(reader.read());
}

}  // namespace

QPixmap Picture(std::string_view file) {
  if (file.empty()) return {};
  const QString name = QStringLiteral(":/pictures/") +
                       QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size()));
  const bool dense = qApp && qApp->devicePixelRatio() > 1.0;
  const QString key = dense ? name + QStringLiteral("@2x") : name;
  QPixmap pixmap;
  if (QPixmapCache::find(key, &pixmap)) return pixmap;
  if (dense) {
    // The same picture drawn at twice the size, shown at the layout's logical size.
    const qsizetype dot = name.lastIndexOf(u'.');
    if (Load(pixmap, name.left(dot) + QStringLiteral("@2x") + name.mid(dot)))
      pixmap.setDevicePixelRatio(2.0);
  }
  if (pixmap.isNull()) Load(pixmap, name);
  QPixmapCache::insert(key, pixmap);
  return pixmap;
}

void ShowPicture(QLabel* control, std::string_view file) {
  const QPixmap pixmap = Picture(file);
  if (control->pixmap().cacheKey() != pixmap.cacheKey()) control->setPixmap(pixmap);
}

}  // namespace quillmere
