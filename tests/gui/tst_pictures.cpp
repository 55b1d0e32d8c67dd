// Every picture is compiled into the program, decodes (the JPEGs need the JPEG plugin) and
// has its size, at 1x and at 2x.
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QtTest>

#include "game/catalogue.h"

using namespace quillmere;

class TestPictures : public QObject {
  Q_OBJECT

 private slots:
  void everyPictureDecodesAtItsSize_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    const auto add = [](std::string_view file, QSize size) {
      const QString name = QString::fromUtf8(file.data(), qsizetype(file.size()));
      QTest::newRow(qPrintable(name)) << name << size;
      const qsizetype dot = name.lastIndexOf(u'.');
      const QString twice = name.left(dot) + QStringLiteral("@2x") + name.mid(dot);
      QTest::newRow(qPrintable(twice)) << twice << size * 2;
    };
    add("start.jpg", {400, 300});
    for (int good = 0; good < kGoodCount; ++good) add(GoodAt(good).picture, {87, 70});
    for (int kind = 1; kind <= kCarCount; ++kind) add(CarOfKind(kind).picture, {74, 35});
    for (int kind = 1; kind <= kGunCount; ++kind) add(GunOfKind(kind).picture, {74, 35});
    for (const char* icon : {"cash.png", "bank.png", "tonyicon.png"}) add(icon, {32, 32});
    add("cop.jpg", {63, 85});
    add("tony.jpg", {63, 85});
    add("blank.png", {74, 35});
    QTest::newRow("icon.png") << QStringLiteral("icon.png") << QSize(256, 256);
  }

  void everyPictureDecodesAtItsSize() {
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QImageReader reader(QStringLiteral(":/pictures/") + file);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(file + QStringLiteral(": ") + reader.errorString()));
    QCOMPARE(image.size(), size);
  }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
