#include "ui/kit/Icons.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

using namespace nerka;

namespace {

// Pixels that are not fully transparent: an SVG that parsed but drew
// nothing (a wrong colour, a path outside the view box) has none.
int paintedPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    return count;
}

} // namespace

TEST(Icons, EverySymbolHasABundledFallbackThatDraws) {
    const QStringList symbols = Icons::symbols();
    ASSERT_FALSE(symbols.isEmpty());
    for (const QString& symbol : symbols) {
        SCOPED_TRACE(symbol.toStdString());
        EXPECT_FALSE(Icons::themeName(symbol).isEmpty());
        const QString path = Icons::fallbackPath(symbol);
        ASSERT_TRUE(QFile::exists(path));
        const QPixmap pixmap = QIcon(path).pixmap(QSize(24, 24));
        ASSERT_FALSE(pixmap.isNull());
        const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
        const int painted = paintedPixels(image);
        EXPECT_GT(painted, 20);
        EXPECT_LT(painted, image.width() * image.height()) << "an icon, not a filled square";
        EXPECT_FALSE(Icons::icon(symbol).isNull());
    }
    EXPECT_TRUE(Icons::icon(QStringLiteral("no.such.symbol")).isNull());
}

TEST(Icons, NoBundledFileWithoutItsSymbol) {
    const QStringList files = QDir(QStringLiteral(":/icons")).entryList({QStringLiteral("*.svg")});
    const QStringList symbols = Icons::symbols();
    for (const QString& file : files)
        EXPECT_TRUE(symbols.contains(file.chopped(4))) << file.toStdString();
}
