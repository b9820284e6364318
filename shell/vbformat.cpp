#include "shell/vbformat.h"

#include <cmath>
#include <limits>

namespace shell::vb {
namespace {

// Rounds halves away from zero and writes the result as plain digits; a result of zero carries no
// minus sign.
QString wholeText(double value)
{
    const double rounded = std::round(value);
    if (rounded == 0.0)
        return QStringLiteral("0");
    return QString::number(rounded, 'f', 0);
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

} // namespace

QString formatPercent(double fraction)
{
    return wholeText(fraction * 100.0) + u'%';
}

QString formatWhole(double value)
{
    return wholeText(value);
}

QString formatOneDecimal(double value)
{
    const double tenths = std::round(std::fabs(value) * 10.0);
    if (tenths == 0.0)
        return QStringLiteral("0.0");
    const double whole = std::floor(tenths / 10.0);
    const int decimal = static_cast<int>(tenths - whole * 10.0);
    QString text = QString::number(whole, 'f', 0) + u'.' + QString::number(decimal);
    return value < 0 ? u'-' + text : text;
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
