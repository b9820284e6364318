#include "platform/sound.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace platform {
namespace {

SoundPlayer* installedPlayer = nullptr;

// One effect per sound, kept until the application goes so that a sound plays to its end; the
// effects belong to the application object and are destroyed with it.
QHash<QString, QPointer<QSoundEffect>>& effects()
{
    static QHash<QString, QPointer<QSoundEffect>> cache;
    return cache;
}

QSoundEffect* effectFor(const QString& resourceName)
{
    QPointer<QSoundEffect>& effect = effects()[resourceName];
    if (!effect) {
        effect = new QSoundEffect(QCoreApplication::instance());
        effect->setSource(QUrl(QStringLiteral("qrc") + resourceName));
    }
    return effect;
}

} // namespace

SoundPlayer& SoundPlayer::instance()
{
    static SoundPlayer realPlayer;
    return installedPlayer ? *installedPlayer : realPlayer;
}

void SoundPlayer::setInstance(SoundPlayer* player)
{
    installedPlayer = player;
}

QString SoundPlayer::resourcePath(const QString& name)
{
    const QString path = QStringLiteral(":/res/WAVE/") + name.toUpper();
    return !name.isEmpty() && QFile::exists(path) ? path : QString();
}

void SoundPlayer::playResource(const QString& name)
{
    const QString resourceName = resourcePath(name);
    if (resourceName.isEmpty() || !QCoreApplication::instance())
        return;
    if (QMediaDevices::defaultAudioOutput().isNull())
        return;
    // An asynchronous PlaySound cuts off the sound that is still playing.
    for (const QPointer<QSoundEffect>& other : std::as_const(effects())) {
        if (other && other->isPlaying())
            other->stop();
    }
    effectFor(resourceName)->play();
}

} // namespace platform
