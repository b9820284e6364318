// A status-bar panel that shows the emulated NumLock state, as the Windows key-state panel does.
#pragma once

#include <QLabel>

namespace platform {

class KeyStatePanel : public QLabel
{
    Q_OBJECT
public:
    explicit KeyStatePanel(QWidget* parent = nullptr);

private:
    void refresh();
};

} // namespace platform
