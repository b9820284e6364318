// A SoundPlayer for tests: remembers the names it was asked to play and plays nothing.
#pragma once

#include "platform/sound.h"

#include <QStringList>

namespace testsupport {

class RecordingSoundPlayer : public platform::SoundPlayer
{
public:
    void playResource(const QString& name) override { m_played.append(name); }
    const QStringList& played() const { return m_played; }
    void clear() { m_played.clear(); }

private:
    QStringList m_played;
};

} // namespace testsupport
