#include "exercises/drillwindow.h"

#include "exercises/drilltexts.h"
#include "platform/dao.h"
#include "shell/vbformat.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace exercises {
namespace {

using namespace texts;

constexpr int kF2 = 113;
const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);

} // namespace

DrillWindow::DrillWindow(const DrillDescription& description, QWidget* parent)
    : TimedRunWindow(description, parent), m_description(description)
{
    for (int k = 0; k < description.pageSize; ++k)
        m_itemCodes.append(QString());
    buildDrillArea();
    Form_Load();
}

DrillWindow::~DrillWindow() = default;

bool DrillWindow::LoadDrillPage()
{
    // Rows without a word or a code cannot be answered and are passed over.
    QList<QString> words;
    QList<QString> codes;
    const auto page = drawRows([&](std::int32_t position) {
        const platform::dao::Recordset& row = lessonRowAt(position);
        const QString word = row.text(QStringLiteral("wenzhi"));
        const QString code = row.text(QStringLiteral("bianma"));
        if (word.trimmed().isEmpty() || code.trimmed().isEmpty())
            return false;
        words.append(word);
        codes.append(code);
        return true;
    });
    if (!page)
        return false;

    for (int k = 0; k < pageSize(); ++k) {
        m_label3[k]->setText(words[k]);
        m_itemCodes[k] = codes[k];
        m_label3[k]->setToolTip(codes[k]);
        setBoxColour(answerBox(k), kWhite);
        answerBox(k)->setEnabled(false);
        answerBox(k)->clear();
    }
    for (int k = 0; k < pageSize(); ++k) {
        m_label3[k]->show();
        answerBox(k)->show();
    }
    return true;
}

void DrillWindow::Text1_Change(int Index)
{
    QLineEdit* box = answerBox(Index);
    const QString item = m_label3[Index]->text();
    if (!isReadyToJudge(m_description, box->text(), item))
        return;

    if (box->text() != item)
        setBoxColour(box, kRed);
    const bool right = boxColour(box) == kWhite && box->text() == item;
    const int counted = charactersCounted(m_description, item);
    countAnswer(counted, right ? counted : 0);
    setPanel(2, progressText());
    moveOn(Index);
}

QString DrillWindow::progressText() const
{
    return kProgressTyped.toString() + shell::vb::str(typedCount()) + kProgressCorrect.toString() +
           shell::vb::str(correctCount()) + m_description.progressSuffix;
}

void DrillWindow::Text1_KeyDown(int Index, int KeyCode, int /*Shift*/)
{
    if (KeyCode != kF2)
        return;
    setPanel(1, m_label3[Index]->text() + m_description.hintJoin + m_itemCodes[Index]);
    m_overlay->setText(m_itemCodes[Index]);
    m_overlay->move(answerBox(Index)->pos());
    m_overlay->raise();
    m_overlay->show();
}

void DrillWindow::Text1_KeyUp(int /*Index*/, int KeyCode, int /*Shift*/)
{
    if (KeyCode == kF2)
        m_overlay->hide();
}

bool DrillWindow::eventFilter(QObject* watched, QEvent* event)
{
    const QVariant index = watched->property("drillIndex");
    if (index.isValid() && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F2 && !key->isAutoRepeat()) {
            const int shift = int(key->modifiers() & Qt::ShiftModifier ? 1 : 0) |
                              int(key->modifiers() & Qt::ControlModifier ? 2 : 0) |
                              int(key->modifiers() & Qt::AltModifier ? 4 : 0);
            if (event->type() == QEvent::KeyPress)
                Text1_KeyDown(index.toInt(), kF2, shift);
            else
                Text1_KeyUp(index.toInt(), kF2, shift);
            return true;
        }
    }
    return TimedRunWindow::eventFilter(watched, event);
}

} // namespace exercises
