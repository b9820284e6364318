#include "segmentation/ui/afxmessagebox.h"

#include "segmentation/core/frameresources.h"

namespace segmentation {

int afxMessageBox(QWidget* parent, const QString& text, platform::UINT type)
{
    using namespace platform;
    if ((type & MB_ICONMASK) == 0) {
        switch (type & MB_TYPEMASK) {
        case MB_OK:
        case MB_OKCANCEL:
            type |= MB_ICONEXCLAMATION;
            break;
        case MB_YESNO:
        case MB_YESNOCANCEL:
            type |= MB_ICONQUESTION;
            break;
        default:
            break;
        }
    }
    return UiService::instance().messageBox(parent, text, applicationTitle(), type);
}

void plainMessageBox(const QString& text)
{
    platform::UiService::instance().messageBox(nullptr, text, QString::fromUtf8(kSystemDefaultCaption),
                                               platform::MB_OK);
}

} // namespace segmentation
