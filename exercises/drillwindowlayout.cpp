// The drill area of the drill window: the items, their answer boxes and the code overlay.
#include "exercises/drillwindow.h"
#include "shell/uifonts.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

namespace exercises {
namespace {

constexpr int kAreaWidth = TimedRunWindow::kDrillAreaWidth;
constexpr int kCellHeight = TimedRunWindow::kDrillAreaHeight / 4;
constexpr int kLabelHeight = 46;
constexpr int kBoxHeight = 32;

} // namespace

void DrillWindow::buildDrillArea()
{
    QFrame* area = drillArea();
    const int columns = m_description.columns;
    const int cellWidth = kAreaWidth / columns;
    const int boxWidth = std::min(cellWidth - 12, std::clamp(cellWidth * 3 / 4, 60, 360));
    const bool characters = m_description.judgeRule == JudgeRule::AnyText;
    const QFont itemFont = shell::songTi(characters ? 24 : 20, true);
    const QFont boxFont = shell::songTi(16);

    for (int k = 0; k < m_description.pageSize; ++k) {
        const int left = (k % columns) * cellWidth;
        const int top = (k / columns) * kCellHeight + 6;

        auto* label = new QLabel(area);
        label->setObjectName(QStringLiteral("Label3_%1").arg(k));
        label->setFont(itemFont);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(left + 4, top, cellWidth - 8, kLabelHeight);
        label->hide();
        m_label3.append(label);

        auto* box = new QLineEdit(area);
        box->setObjectName(QStringLiteral("Text1_%1").arg(k));
        box->setFont(boxFont);
        box->setAlignment(Qt::AlignCenter);
        box->setGeometry(left + (cellWidth - boxWidth) / 2, top + kLabelHeight + 4, boxWidth, kBoxHeight);
        box->setEnabled(false);
        box->hide();
        box->setProperty("drillIndex", k);
        box->installEventFilter(this);
        connect(box, &QLineEdit::textChanged, this, [this, k] { Text1_Change(k); });
        addAnswerBox(box);
    }

    m_overlay = new QLineEdit(area);
    m_overlay->setObjectName(m_description.overlayName);
    // Codes run to six digits; the single-character boxes are narrow.
    m_overlay->setFont(characters ? shell::songTi(12) : boxFont);
    m_overlay->setAlignment(Qt::AlignCenter);
    m_overlay->setReadOnly(true);
    m_overlay->setFocusPolicy(Qt::NoFocus);
    m_overlay->resize(answerBox(0)->size());
    QPalette red = m_overlay->palette();
    red.setColor(QPalette::Text, QColor(255, 0, 0));
    m_overlay->setPalette(red);
    m_overlay->hide();
}

} // namespace exercises
