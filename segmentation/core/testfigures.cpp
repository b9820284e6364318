#include "segmentation/core/testfigures.h"

#include <algorithm>

namespace segmentation {

bool typedCharacterMatches(quint32 imeChar, char lead, char trail)
{
    const auto high = static_cast<unsigned char>(imeChar >> 8 & 0xFF);
    const auto low = static_cast<unsigned char>(imeChar & 0xFF);
    // The typed bytes form a string that ends at its first zero byte, as the article's does.
    return high != 0 && high == static_cast<unsigned char>(lead) && low == static_cast<unsigned char>(trail);
}

QByteArray initialTypingStatus(const QByteArray& pattern, qsizetype characters)
{
    QByteArray status = pattern.left(characters);
    if (status.size() < characters)
        status.append(characters - status.size(), kEvenWordDigit);
    return status;
}

qint32 correctCharacters(const QByteArray& typingStatus, qsizetype characters)
{
    return qint32(typingStatus.left(characters).count(kTypedCorrectlyDigit));
}

DigitColor colorOfDigit(char digit)
{
    switch (digit) {
    case kEvenWordDigit:
        return DigitColor::Alternate1;
    case kOddWordDigit:
        return DigitColor::Alternate2;
    case kTypedCorrectlyDigit:
        return DigitColor::Correct;
    case kTypedWronglyDigit:
        return DigitColor::Wrong;
    case kShortCodeDigit:
        return DigitColor::ShortCode;
    default:
        return DigitColor::Unchanged;
    }
}

quint32 keystrokeGap(QTime previous, QTime now)
{
    const auto ms = [](QTime time) { return time.isValid() ? quint32(time.msecsSinceStartOfDay()) : 0u; };
    return ms(now) - ms(previous);
}

void KeystrokeGroups::countOpen()
{
    switch (open) {
    case 0:
        break;
    case 1:
        ++ofOne;
        break;
    case 2:
        ++ofTwo;
        break;
    case 3:
        ++ofThree;
        break;
    case 4:
        ++ofFour;
        break;
    default:
        ++ofMore;
        break;
    }
}

void KeystrokeGroups::typed(quint32 gap)
{
    if (gap < kKeystrokeGroupGapMs) {
        ++open;
        return;
    }
    countOpen();
    open = 1;
}

QString clockText(qint64 seconds)
{
    const qint64 hours = std::min<qint64>(seconds / 3600, 99);
    const qint64 minutes = seconds % 3600 / 60;
    const auto field = [](qint64 value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); };
    return field(hours) + u':' + field(minutes) + u':' + field(seconds % 3600 % 60);
}

bool timeLimitReached(qint64 seconds, bool limitOn, qint32 minutes)
{
    return limitOn && seconds == qint64(minutes) * 60;
}

TestRates computeRates(qint32 typed, qint32 correct, qint32 seconds)
{
    const auto quotient = [](qint64 dividend, qint32 divisor) {
        return divisor == 0 ? 0 : qint32(dividend / divisor);
    };
    return {quotient(qint64(typed) * 60, seconds), quotient(qint64(correct) * 100, typed),
            quotient(qint64(correct) * 60, seconds)};
}

} // namespace segmentation
