#include "data/pictures.h"

#include <QBuffer>
#include <QFile>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>

namespace datagen {

namespace {

// Where the four-corner scheme looks for each digit, as parts of the square the character fills.
const QRectF kCornerAreas[4] = {
    {0.0, 0.0, 0.5, 0.5},   // top left
    {0.5, 0.0, 0.5, 0.5},   // top right
    {0.0, 0.5, 0.5, 0.5},   // bottom left
    {0.5, 0.68, 0.5, 0.32}, // bottom right
};
const QRectF kSupplementaryArea{0.5, 0.5, 0.5, 0.18}; // just above the bottom-right corner

QRect pixelArea(const QRectF& fraction, int size)
{
    return QRectF(fraction.x() * size, fraction.y() * size, fraction.width() * size, fraction.height() * size)
        .toAlignedRect();
}

} // namespace

bool PictureMaker::loadFont(const QStringList& fontFiles, QString* error)
{
    for (const QString& file : fontFiles) {
        if (!QFile::exists(file))
            continue;
        const int id = QFontDatabase::addApplicationFont(file);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (families.isEmpty())
            continue;
        // The mainland face of the collection draws the simplified forms.
        QString family = families.first();
        for (const QString& candidate : families) {
            if (candidate.endsWith(QLatin1String(" CN")))
                family = candidate;
        }
        m_font = QFont(family);
        m_font.setPixelSize(kSize - 8);
        m_font.setStyleStrategy(QFont::NoFontMerging);
        return true;
    }
    *error = QStringLiteral("no usable font among %1").arg(fontFiles.join(QLatin1String(", ")));
    return false;
}

QImage PictureMaker::render(const QString& character, const QColor& base, const QList<Region>& regions) const
{
    QImage image(kSize, kSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setFont(m_font);
        const QRect whole(0, 0, kSize, kSize);
        painter.setPen(base);
        painter.drawText(whole, Qt::AlignCenter, character);
        for (const Region& region : regions) {
            painter.setClipRect(pixelArea(region.area, kSize));
            painter.setPen(region.colour);
            painter.drawText(whole, Qt::AlignCenter, character);
        }
    }
    return image;
}

bool PictureMaker::hasInk(const QString& character, int corner) const
{
    Q_ASSERT(corner >= 0 && corner < 4);
    constexpr int kMinimumInk = 12; // dark pixels: a stroke, not an antialiased edge
    const QImage image = render(character, Qt::black, {});
    const QRect area = pixelArea(kCornerAreas[corner], kSize);
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            ink += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    }
    return ink >= kMinimumInk;
}

QByteArray PictureMaker::draw(const QString& character, const QColor& base,
                              const QList<Region>& regions) const
{
    const QImage image = render(character, base, regions);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

QByteArray PictureMaker::strokeShapePicture(const QString& character, int corner) const
{
    Q_ASSERT(corner >= 0 && corner < 4);
    return draw(character, QColor(160, 160, 160), {{kCornerAreas[corner], QColor(220, 0, 0)}});
}

QByteArray PictureMaker::colourCharacterPicture(const QString& character) const
{
    return draw(character, QColor(160, 160, 160),
                {{kCornerAreas[0], QColor(220, 30, 30)},
                 {kCornerAreas[1], QColor(30, 80, 220)},
                 {kCornerAreas[2], QColor(20, 150, 40)},
                 {kCornerAreas[3], QColor(230, 130, 0)},
                 {kSupplementaryArea, QColor(150, 40, 180)}});
}

} // namespace datagen
