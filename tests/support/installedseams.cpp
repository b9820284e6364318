#include "tests/support/installedseams.h"

#include "platform/opener.h"

namespace testsupport {

InstalledSeams::InstalledSeams()
{
    platform::UiService::setInstance(&ui);
    platform::Clock::setInstance(&clock);
    platform::RandomSource::setInstance(&random);
    platform::SoundPlayer::setInstance(&sound);
    platform::setDesktopOpenerForTests([this](const QString& target) {
        opened.append(target);
        return openerAnswer;
    });
}

InstalledSeams::~InstalledSeams()
{
    platform::UiService::setInstance(nullptr);
    platform::Clock::setInstance(nullptr);
    platform::RandomSource::setInstance(nullptr);
    platform::SoundPlayer::setInstance(nullptr);
    platform::setDesktopOpenerForTests({});
}

} // namespace testsupport
