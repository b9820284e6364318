#include "segmentation/core/codehint.h"

#include "platform/gbk.h"

#include <algorithm>

namespace segmentation {

HintMatch longerMatch(const HintMatch& found, const HintMatch& candidate)
{
    return candidate.bytes > found.bytes ? candidate : found;
}

QString codeHintText(QByteArrayView window, const HintMatch& match)
{
    if (match.bytes <= 0)
        return platform::gbk::decode(window.first(std::min<qsizetype>(2, window.size()))) +
               QStringLiteral(" 没有Talvoren码");
    const QString word = platform::gbk::decode(window.first(std::min<qsizetype>(match.bytes, window.size())));
    const QString code = QString::fromLatin1(match.code);
    switch (match.source) {
    case HintSource::CodeBook:
        return word + QStringLiteral(" 的Talvoren码是 ") + code;
    case HintSource::TeacherBook:
        return word + QStringLiteral(" 没有Talvoren码");
    case HintSource::CustomBook:
        return word + QStringLiteral(" 的自定义码是 ") + code;
    }
    return word;
}

qsizetype hintWindowBytes(int maxWordBytes, qsizetype cursor, qsizetype articleCharacters)
{
    // A book that says its longest word is shorter than a character still has the cursor's character
    // looked up.
    const qsizetype wanted = std::max(maxWordBytes / 2, 1);
    return std::max<qsizetype>(std::min(wanted, articleCharacters - cursor), 0) * 2;
}

} // namespace segmentation
