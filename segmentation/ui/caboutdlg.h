// The About box of the practice program (dialog 100).
#pragma once

#include <QDialog>

class CAboutDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    // A click on the maker's line (static 1025): opens the help file's about page through the desktop
    // opener; false when the opener could not (no help file, or no handler took it).
    bool OnWebAddress();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
