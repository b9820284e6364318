// The typing test's figures: judging a typed character, the typing status, keystroke groups, the
// clock text, the time limit and the three result rates.
#pragma once

#include "segmentation/core/article.h"

#include <QByteArray>
#include <QString>
#include <QTime>
#include <QtGlobal>

namespace segmentation {

// True when the character the input method delivered (its GBK code, lead byte high) is the article's
// character lead, trail. A single-byte character (high byte 0) never matches.
bool typedCharacterMatches(quint32 imeChar, char lead, char trail);

// The typing status at test start: the pattern's digit for each of the article's characters (a
// pattern shorter than the article is padded, never read past).
QByteArray initialTypingStatus(const QByteArray& pattern, qsizetype characters);
// The '2' digits among the first characters digits of the typing status.
qint32 correctCharacters(const QByteArray& typingStatus, qsizetype characters);

// How a digit of a pattern or of the typing status colours its character.
enum class DigitColor
{
    Alternate1, // '0'
    Alternate2, // '1'
    Correct,    // '2'
    Wrong,      // '3'
    ShortCode,  // '4'
    Unchanged,  // any other: the colour of the character before
};
DigitColor colorOfDigit(char digit);

// Two characters typed less than this many milliseconds apart belong to one keystroke group.
inline constexpr quint32 kKeystrokeGroupGapMs = 400;

// Milliseconds from previous to now by the time of day, in unsigned 32-bit arithmetic: the date is
// not looked at, and a now before previous gives a long gap.
quint32 keystrokeGap(QTime previous, QTime now);

struct KeystrokeGroups
{
    qint32 open = 0; // length of the group still open
    qint32 ofOne = 0;
    qint32 ofTwo = 0;
    qint32 ofThree = 0;
    qint32 ofFour = 0;
    qint32 ofMore = 0; // more than four

    // Counts the open group by its length (an empty one counts nothing); it stays open.
    void countOpen();
    // A character typed gap milliseconds after the one before: it lengthens the open group, or
    // closes it and opens a group of its own.
    void typed(quint32 gap);
    bool operator==(const KeystrokeGroups&) const = default;
};

// The clock pane's text for elapsed seconds, HH:MM:SS; the hours stop at 99.
QString clockText(qint64 seconds);
// True at the tick where the limit is reached exactly (a limit lowered below the elapsed time is
// never reached).
bool timeLimitReached(qint64 seconds, bool limitOn, qint32 minutes);

struct TestRates
{
    qint32 speed = 0;          // characters typed a minute
    qint32 accuracy = 0;       // per cent of the typed characters that are correct
    qint32 effectiveSpeed = 0; // correct characters a minute
    bool operator==(const TestRates&) const = default;
};
// Signed 32-bit arithmetic with quotients truncated toward zero; a rate whose divisor is 0 is 0.
TestRates computeRates(qint32 typed, qint32 correct, qint32 seconds);

} // namespace segmentation
