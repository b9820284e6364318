// The start-up window: ends a second copy, writes the button pictures, finds the input method, opens
// the code database and hands over to the main window.
#pragma once

#include <QPointer>
#include <QWidget>

class QTimer;

namespace platform {
class SingleInstance;
}

class frmmain;

class frmSplash : public QWidget
{
    Q_OBJECT
public:
    // instanceName: what a second copy of the program looks for (tests pass a name of their own).
    explicit frmSplash(const QString& instanceName = QStringLiteral("talvoren"), QWidget* parent = nullptr);
    ~frmSplash() override;

    void Form_Load();
    // The one tick of Timer1: the whole start-up after the splash is on screen.
    void Timer1_Timer();

    // Title of the messages start-up and the program's own failures show.
    static QString startupTitle();

    // The main window once start-up has shown it.
    frmmain* mainWindow() const;

private:
    bool writeButtonPictures();
    void openDatabaseAndShowMain();
    // Start-up cannot go on without the database: the message, the pictures taken away, the end.
    void failToStart(const QString& message);

    QString m_instanceName;
    QTimer* m_timer1 = nullptr;
    platform::SingleInstance* m_instance = nullptr;
    QPointer<frmmain> m_main;
};
