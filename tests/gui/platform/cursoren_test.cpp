#include "platform/cursoren.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QSet>

namespace kolvar {
namespace {

TEST(Cursoren, JederNameHatEinEigenesBild) {
  const QStringList erwartet{"SETZER", "GUMMI",  "HALBGUMMI", "HAND",      "HALBHAND", "HAMMER",
                             "PFEIL4", "PFEIL3", "GRIFF",     "LUPEMINUS", "LUPEPLUS"};
  ASSERT_EQ(KolvarCursorNamen(), erwartet);
  QSet<QByteArray> bilder;
  for (int nummer = 1; nummer <= erwartet.size(); ++nummer) {
    const QString& name = erwartet[nummer - 1];
    const QCursor cursor = KolvarCursor(name);
    ASSERT_EQ(cursor.shape(), Qt::BitmapCursor) << name.toStdString();
    const QImage bild = cursor.pixmap().toImage();
    ASSERT_FALSE(bild.isNull()) << name.toStdString();
    EXPECT_TRUE(bild.rect().contains(cursor.hotSpot())) << name.toStdString();
    int gedeckt = 0;
    for (int y = 0; y < bild.height(); ++y)
      for (int x = 0; x < bild.width(); ++x) gedeckt += qAlpha(bild.pixel(x, y)) > 0;
    EXPECT_GT(gedeckt, 40) << name.toStdString() << " draws something";
    bilder.insert(QByteArray(reinterpret_cast<const char*>(bild.constBits()), bild.sizeInBytes()));
    EXPECT_EQ(KolvarCursor(nummer).pixmap().toImage(), bild) << "number " << nummer;
  }
  EXPECT_EQ(bilder.size(), erwartet.size()) << "no two cursors look alike";

  // Unknown names and numbers give the arrow.
  EXPECT_EQ(KolvarCursor(QStringLiteral("setzer")).shape(), Qt::ArrowCursor);
  EXPECT_EQ(KolvarCursor(0).shape(), Qt::ArrowCursor);
  EXPECT_EQ(KolvarCursor(12).shape(), Qt::ArrowCursor);
  EXPECT_TRUE(KolvarCursorBild(QString()).isNull());
}

}  // namespace
}  // namespace kolvar
