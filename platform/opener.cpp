#include "platform/opener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>
#include <optional>

namespace platform {
namespace {

std::function<bool(const QString&)>& testOpener()
{
    static std::function<bool(const QString&)> opener;
    return opener;
}

// An address names its scheme ("https:", "mailto:"); anything else is a path in the file system.
std::optional<QUrl> asAddress(const QString& text)
{
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().size() < 2 || url.isLocalFile())
        return std::nullopt;
    return url;
}

} // namespace

bool openWithDesktop(const QString& fileOrUrl)
{
    if (fileOrUrl.isEmpty())
        return false;
    QUrl target;
    if (const std::optional<QUrl> address = asAddress(fileOrUrl)) {
        target = *address;
    } else {
        const QUrl asFileUrl(fileOrUrl);
        const QString path = asFileUrl.isLocalFile() ? asFileUrl.toLocalFile() : fileOrUrl;
        if (!QFileInfo::exists(path))
            return false;
        target = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
        // A page inside the file (a help viewer's topic) goes with it to the handler.
        if (asFileUrl.isLocalFile() && asFileUrl.hasFragment())
            target.setFragment(asFileUrl.fragment(QUrl::FullyEncoded));
    }
    if (testOpener())
        return testOpener()(fileOrUrl);
    return QDesktopServices::openUrl(target);
}

void setDesktopOpenerForTests(std::function<bool(const QString&)> opener)
{
    testOpener() = std::move(opener);
}

} // namespace platform
