// Stands in for the desktop's handler while it lives: records what the opener handed on and answers
// as told.
#pragma once

#include "platform/opener.h"

#include <QStringList>

namespace testsupport {

class RecordingOpener
{
public:
    RecordingOpener()
    {
        platform::setDesktopOpenerForTests([this](const QString& target) {
            m_opened << target;
            return m_answer;
        });
    }
    ~RecordingOpener() { platform::setDesktopOpenerForTests({}); }
    RecordingOpener(const RecordingOpener&) = delete;
    RecordingOpener& operator=(const RecordingOpener&) = delete;

    // What the handler says next: true, it took the file or address; false, it could not.
    void setAnswer(bool answer) { m_answer = answer; }
    const QStringList& opened() const { return m_opened; }

private:
    QStringList m_opened;
    bool m_answer = true;
};

} // namespace testsupport
