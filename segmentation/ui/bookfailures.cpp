#include "segmentation/ui/bookfailures.h"

#include "platform/dao.h"
#include "segmentation/core/bookreader.h"
#include "segmentation/ui/afxmessagebox.h"

namespace segmentation {

void reportBookOpenFailure(QWidget* parent, const BookOpenFailure& failure)
{
    using Kind = BookOpenFailure::Kind;
    switch (failure.kind) {
    case Kind::IndexNotOpened:
    case Kind::IndexNotMapped:
    case Kind::IndexViewNotMapped:
    case Kind::IndexDamaged:
        plainMessageBox(failure.message);
        break;
    case Kind::DatabaseNotOpened:
        afxMessageBox(parent, QStringLiteral("不能打开码本：") + failure.message);
        break;
    }
}

void reportBookReadFailure(QWidget* parent, const platform::dao::DaoError& error)
{
    afxMessageBox(parent, QStringLiteral("不能读取码本：") + QString::fromUtf8(error.what()));
}

} // namespace segmentation
