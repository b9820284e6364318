// What every book builder shares: how a build reports its end, how it counts its progress and how
// it maps its source file. How the new book goes in place of the old is bookplacement.h's.
#pragma once

#include "segmentation/core/bookfiles.h"

#include <QByteArrayView>
#include <QFile>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace segmentation {

// Why a build stopped. The previous book, if any, is then still in place, whole.
struct BuildFailure
{
    enum class Kind
    {
        SourceNotOpened,   // the source file is missing or cannot be opened
        MappingNotCreated, // the source file cannot be mapped (an empty file cannot)
        ViewNotMapped,     // the mapping cannot be read
        SourceDamaged,     // the source does not keep to its format
        BookNotWritten,    // the new book could not be written or put in place
    };
    Kind kind = Kind::SourceNotOpened;
    QString message; // what the user is told
};

// Source entries a book cannot hold, passed over by a build that otherwise finished.
struct SkippedEntries
{
    int empty = 0;       // a word of no bytes
    int tooLong = 0;     // longer than a text field's 50 bytes
    int noCharacter = 0; // does not begin with a double-byte GBK character
    int unstorable = 0;  // holds bytes that are no GBK text, so it would not read back as it was
    int total() const { return empty + tooLong + noCharacter + unstorable; }
};

struct BuildReport
{
    std::optional<BuildFailure> failure;
    SkippedEntries skipped;
    bool closingLineMissing = false; // a word list ended without its closing empty line (its words are taken)
    int words = 0;                   // word rows stored
    bool ok() const { return !failure; }
    // A sentence about what was skipped, or empty when nothing was.
    QString skippedMessage() const;
};

// Called once for every tenth item a build counts, so that a dialog can step its progress bar.
using ProgressStep = std::function<void()>;

class ProgressCounter
{
public:
    explicit ProgressCounter(ProgressStep step) : m_step(std::move(step)) {}
    void count()
    {
        if (++m_counted % 10 == 0 && m_step)
            m_step();
    }
    int counted() const { return m_counted; }

private:
    ProgressStep m_step;
    int m_counted = 0;
};

// A source file mapped read-only for the length of a build.
class MappedSource
{
public:
    // openFailureMessage is what the user is told when the file cannot be opened.
    static std::unique_ptr<MappedSource> open(const QString& path, const QString& openFailureMessage,
                                              BuildFailure* failure);
    QByteArrayView bytes() const { return m_bytes; }

private:
    MappedSource() = default;
    QFile m_file;
    QByteArrayView m_bytes;
};

// What the user is told when a builder cannot map its source (kViewNotMappedMessage when the
// mapping cannot be read).
inline constexpr const char* kMappingNotCreatedMessage = "不能创建文件映射对象";

} // namespace segmentation
