// The pictures of the picture drill: a character drawn with the parts that give its code digits
// marked in colour, as small PNG images.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>

namespace datagen {

class PictureMaker
{
public:
    static constexpr int kSize = 64;

    // Loads the first of the font files that exists (each a .ttc collection), independent of the
    // fonts the system has configured; false with a reason when none loads.
    bool loadFont(const QStringList& fontFiles, QString* error);

    // Whether the drawn character has strokes in a corner (numbered as below), so that marking
    // that corner shows something.
    bool hasInk(const QString& character, int corner) const;
    // The character in grey with one corner (0 top left, 1 top right, 2 bottom left,
    // 3 bottom right) in red: the corner whose digit the learner names.
    QByteArray strokeShapePicture(const QString& character, int corner) const;
    // The character with its four corners and the supplementary part in five colours.
    QByteArray colourCharacterPicture(const QString& character) const;

private:
    struct Region
    {
        QRectF area; // in fractions of the picture
        QColor colour;
    };
    QImage render(const QString& character, const QColor& base, const QList<Region>& regions) const;
    QByteArray draw(const QString& character, const QColor& base, const QList<Region>& regions) const;

    QFont m_font;
};

} // namespace datagen
