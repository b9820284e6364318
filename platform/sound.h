// PlaySound on the programs' WAVE resources: asynchronous, silent when missing or without audio.
#pragma once

#include <QString>

namespace platform {

class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    static SoundPlayer& instance();
    static void setInstance(SoundPlayer* player); // not owned; nullptr restores the real player

    // The WAVE resource of that name (matched without regard to case: "sound" plays "SOUND").
    virtual void playResource(const QString& name);

    // The resource path that name plays (":/res/WAVE/<NAME>"); empty when there is no such sound.
    static QString resourcePath(const QString& name);
};

} // namespace platform
