#include "shell/vbformat.h"

#include <cmath>
#include <limits>

namespace shell::vb {
namespace {

constexpr int kDoubleDigits = 15;
constexpr int kSingleDigits = 7;

// Adds one to a string of decimal digits.
void increment(QString& digits)
{
    qsizetype i = digits.size() - 1;
    for (; i >= 0 && digits[i] == u'9'; --i)
        digits[i] = u'0';
    if (i < 0)
        digits.prepend(u'1');
    else
        digits[i] = QChar(digits[i].unicode() + 1);
}

// value × 10^scale written with `decimals` places, rounded on the value's first `significant`
// decimal digits, halves away from zero; a result of zero carries no minus sign.
QString roundedText(double value, int scale, int decimals, int significant)
{
    if (!std::isfinite(value))
        return QString::number(value);
    const QString scientific = QString::number(std::fabs(value), 'e', significant - 1); // d.ddde±x
    const qsizetype e = scientific.indexOf(u'e');
    const QString digits = scientific.left(e).remove(u'.');
    const qsizetype kept = scientific.mid(e + 1).toInt() + scale + 1 + decimals;

    // The value × 10^(scale + decimals), rounded, as decimal digits.
    QString scaled;
    if (kept >= digits.size()) {
        scaled = digits + QString(kept - digits.size(), u'0');
    } else {
        scaled = kept > 0 ? digits.left(kept) : QString();
        if (kept >= 0 && digits[kept] >= u'5')
            increment(scaled);
    }
    while (scaled.startsWith(u'0'))
        scaled.remove(0, 1);
    const bool zero = scaled.isEmpty();
    if (scaled.size() <= decimals)
        scaled.prepend(QString(decimals + 1 - scaled.size(), u'0'));
    if (decimals > 0)
        scaled.insert(scaled.size() - decimals, u'.');
    return value < 0 && !zero ? u'-' + scaled : scaled;
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

} // namespace

QString formatPercent(double fraction)
{
    return roundedText(fraction, 2, 0, kDoubleDigits) + u'%';
}

QString formatPercent(float fraction)
{
    return roundedText(fraction, 2, 0, kSingleDigits) + u'%';
}

QString formatWhole(double value)
{
    return roundedText(value, 0, 0, kDoubleDigits);
}

QString formatWhole(float value)
{
    return roundedText(value, 0, 0, kSingleDigits);
}

QString formatOneDecimal(double value)
{
    return roundedText(value, 0, 1, kDoubleDigits);
}

QString formatOneDecimal(float value)
{
    return roundedText(value, 0, 1, kSingleDigits);
}

QString formatTwoDigits(int value)
{
    if (value < 0)
        return u'-' + QString::number(-static_cast<std::int64_t>(value)).rightJustified(2, u'0');
    return QString::number(value).rightJustified(2, u'0');
}

QString str(std::int64_t value)
{
    return value < 0 ? QString::number(value) : u' ' + QString::number(value);
}

double val(const QString& text)
{
    // Collect sign, digits, point and exponent as far as they form a number, skipping blanks.
    QString number;
    bool digitsSeen = false;
    bool pointSeen = false;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skipBlanks = [&] {
        while (i < n && isBlank(text[i]))
            ++i;
    };
    skipBlanks();
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        number += text[i++];
        skipBlanks();
    }
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (isBlank(c))
            continue;
        if (c >= u'0' && c <= u'9') {
            number += c;
            digitsSeen = true;
        } else if (c == u'.' && !pointSeen) {
            number += c;
            pointSeen = true;
        } else {
            break;
        }
    }
    if (!digitsSeen)
        return 0.0;
    if (i < n && (text[i] == u'e' || text[i] == u'E' || text[i] == u'd' || text[i] == u'D')) {
        QString exponent = QStringLiteral("e");
        qsizetype j = i + 1;
        while (j < n && isBlank(text[j]))
            ++j;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            exponent += text[j++];
        bool exponentDigits = false;
        for (; j < n; ++j) {
            if (isBlank(text[j]))
                continue;
            if (text[j] < u'0' || text[j] > u'9')
                break;
            exponent += text[j];
            exponentDigits = true;
        }
        if (exponentDigits)
            number += exponent;
    }
    bool ok = false;
    const double result = number.toDouble(&ok);
    if (ok)
        return result;
    // Only an exponent out of range fails to convert.
    return number.startsWith(u'-') ? -std::numeric_limits<double>::infinity()
                                   : std::numeric_limits<double>::infinity();
}

std::optional<std::int16_t> cint(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value); // the default rounding mode sends halves to even
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

} // namespace shell::vb
