// The score box: the modal window that shows the figures of a finished drill run or article test.
#pragma once

#include <QDialog>
#include <cstdint>

class QLabel;
class QPushButton;
class QTimer;
class QWidget;

// How a caller writes the counts of its summary line: the drills with a blank in the sign place
// (as Str$ does), the article test as plain digits.
enum class CountStyle
{
    SignPlace,
    PlainDigits,
};

// "用时" + minutes (single precision, as the callers keep them) + "分 打字" + typed + "个 其中正确" +
// correct + "个".
QString resultSummaryLine(float minutes, std::int64_t typed, std::int64_t correct, CountStyle style);

class FrmResult : public QDialog
{
    Q_OBJECT
public:
    // The one box of the program: made and centred on first use, never destroyed.
    static FrmResult& instance();

    QLabel* Label4() const { return m_label4; }
    int ResultIconFrame() const { return m_resultIconFrame; }

    // Shows the box modally over the caller's window, which owns it for this showing; returns when
    // the user dismisses it.
    void showOver(QWidget* caller);
    // Fills the caption and the three figures from the current title and result figures.
    void Form_Activate();
    // One animation step.
    void Timer1_Timer();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    explicit FrmResult(QWidget* parent = nullptr);
    void Command3_Click();

    QWidget* m_picture1 = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    QLabel* m_label3 = nullptr;
    QLabel* m_label4 = nullptr;
    QLabel* m_label5 = nullptr;
    QLabel* m_image1 = nullptr;
    QPushButton* m_command3 = nullptr;
    QTimer* m_timer1 = nullptr;
    int m_resultIconFrame = 0;
};
