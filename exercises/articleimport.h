// Text files imported as test articles: what is read of a file and which of its characters an
// article keeps.
#pragma once

#include <QString>
#include <QStringView>

namespace exercises {

// An article holds more than this many characters.
inline constexpr int kFewestArticleCharacters = 20;
// Positions in an article are counted in 16 bits: an import keeps at most this many characters.
inline constexpr int kMostArticleCharacters = 32767;
// Of a larger file only this much is read: more than enough for the characters an article keeps.
inline constexpr qint64 kMostImportBytes = 1 << 20;

// The characters an article keeps of a text: those whose code unit, read as a signed 16-bit
// number, is above 32 or negative. Blanks, line breaks, tabs and other control characters go.
QString keptArticleText(QStringView text);

struct ImportedArticle
{
    enum class Outcome
    {
        Read,       // text holds what an article keeps of the file
        Unreadable, // the file could not be opened or read
        NotText,    // the file holds NUL bytes: no text file in the system code page or UTF-8
    };
    Outcome outcome = Outcome::Unreadable;
    QString text;
    bool cut = false; // the file held more than an article keeps; text is its beginning
};

// Reads a text file in the system code page, or in UTF-8 when it is one, and keeps what an
// article keeps of it.
ImportedArticle readArticleFile(const QString& path);

} // namespace exercises
