#include "platform/modalowner.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace platform {
namespace {

QWidget* windowTheUserIsIn(const QWidget* besides)
{
    for (QWidget* candidate : {QApplication::activeModalWidget(), QApplication::activeWindow()}) {
        if (candidate && candidate != besides && candidate->isVisible())
            return candidate;
    }
    return nullptr;
}

class RaiseOnShow : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // A Show comes before the window is mapped: raised now, it is mapped on top.
        if (event->type() == QEvent::Show) {
            auto* box = static_cast<QWidget*>(watched);
            box->raise();
            box->activateWindow();
        }
        return false;
    }
};

} // namespace

void setModalOwner(QWidget* box, QWidget* owner)
{
    Q_ASSERT(box && box->isWindow());
    QWidget* ownerWindow = owner                 ? owner->window()
                           : box->parentWidget() ? box->parentWidget()->window()
                                                 : windowTheUserIsIn(box);
    if (!ownerWindow || ownerWindow == box)
        return;
    box->winId(); // the box's window must exist to name its owner
    ownerWindow->winId();
    box->windowHandle()->setTransientParent(ownerWindow->windowHandle());
}

QWidget* modalOwner(const QWidget* box)
{
    const QWindow* handle = box->windowHandle();
    const QWindow* owner = handle ? handle->transientParent() : nullptr;
    if (!owner)
        return nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->windowHandle() == owner)
            return window;
    }
    return nullptr;
}

void raiseWhenShown(QWidget* box)
{
    if (!box->findChild<RaiseOnShow*>(QString(), Qt::FindDirectChildrenOnly))
        box->installEventFilter(new RaiseOnShow(box));
}

} // namespace platform

#include "modalowner.moc"
