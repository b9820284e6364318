// The window of the character and word drills: a page of items typed through the input method
// against a countdown, ending in the score box. Six windows share it; a DrillDescription says how
// each differs.
#pragma once

#include "exercises/drilldescriptions.h"
#include "exercises/timedrunwindow.h"

#include <QList>

class QLabel;
class QLineEdit;

namespace exercises {

class DrillWindow : public TimedRunWindow
{
    Q_OBJECT
public:
    // Opens the lesson that gExerciseTitle names, so the title must be set first.
    explicit DrillWindow(const DrillDescription& description, QWidget* parent = nullptr);
    ~DrillWindow() override;

    // Event handlers, under the names the rest of the program knows them by.
    void Text1_Change(int Index);
    void Text1_KeyDown(int Index, int KeyCode, int Shift);
    void Text1_KeyUp(int Index, int KeyCode, int Shift);

    QString itemCode(int index) const { return m_itemCodes.value(index); }

protected:
    bool LoadDrillPage() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildDrillArea();
    QString progressText() const;

    const DrillDescription& m_description;
    QList<QString> m_itemCodes;
    QList<QLabel*> m_label3;
    QLineEdit* m_overlay = nullptr;
};

} // namespace exercises
