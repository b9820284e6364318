// The picture drill: a page of 32 pictures answered with digit codes typed on the numeric keypad,
// three tries a picture, against the drills' countdown. One window serves the stroke-shape and the
// colour-character lessons.
#pragma once

#include "exercises/timedrunwindow.h"
#include "platform/wintypes.h"

#include <QList>

class QLabel;
class QLineEdit;

namespace exercises {

class Frmbixing : public TimedRunWindow
{
    Q_OBJECT
public:
    static constexpr int kPageSize = 32;
    static constexpr int kColumns = 8;

    // Opens the lesson that gExerciseTitle names, so the title must be set first.
    explicit Frmbixing(QWidget* parent = nullptr);
    ~Frmbixing() override;

    // Event handler, under the name the rest of the program knows it by.
    void Text1_KeyUp(int Index, int KeyCode, int Shift);

    QString itemCode(int index) const { return m_itemCodes.value(index); }
    int missCount() const { return m_missCount; }

protected:
    bool LoadDrillPage() override;
    void runStarting() override;
    void runStopped() override;
    void leaveConfirmed() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildDrillArea();
    void showPicture(int k, const QByteArray& picture);

    QList<QString> m_itemCodes;
    QList<QLabel*> m_image1;
    // Each answer box's window procedure from before the keypad procedure was installed on it.
    QList<platform::LONG_PTR> m_oldTextProcs;
    int m_missCount = 0; // wrong tries on the item being answered
};

} // namespace exercises
