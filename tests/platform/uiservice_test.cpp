// Message-box flags as Windows reads them, the real message box driven offscreen, and the
// scripted service that the other tests answer through.
#include "platform/uiservice.h"
#include "tests/support/scripteduiservice.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace platform;

namespace {

struct FlagsCase
{
    const char* name;
    UINT flags;
    QList<int> buttons;
    int defaultResult;
    std::optional<int> escapeResult; // none: no button answers Escape
    QMessageBox::Icon icon;
    friend void PrintTo(const FlagsCase& c, std::ostream* os) { *os << c.name; }
};

using MessageBoxFlagsTest = ::testing::TestWithParam<FlagsCase>;

TEST_P(MessageBoxFlagsTest, ButtonsDefaultEscapeAndIcon)
{
    const FlagsCase& c = GetParam();
    EXPECT_EQ(messageBoxButtons(c.flags), c.buttons);
    EXPECT_EQ(messageBoxDefaultResult(c.flags), c.defaultResult);
    EXPECT_EQ(messageBoxEscapeResult(c.flags), c.escapeResult);
    EXPECT_EQ(messageBoxIcon(c.flags), c.icon);
}

using enum QMessageBox::Icon;

const FlagsCase kFlags[] = {
    {"Ok", MB_OK, {IDOK}, IDOK, IDOK, NoIcon},
    {"OkCritical", MB_OK | MB_ICONSTOP, {IDOK}, IDOK, IDOK, Critical},
    {"OkCancelInfo", MB_OKCANCEL | MB_ICONINFORMATION, {IDOK, IDCANCEL}, IDOK, IDCANCEL, Information},
    {"YesNoQuestionDefaultNo", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, {IDYES, IDNO}, IDNO, {}, Question},
    {"YesNoCancelWarning",
     MB_YESNOCANCEL | MB_ICONEXCLAMATION | MB_DEFBUTTON3,
     {IDYES, IDNO, IDCANCEL},
     IDCANCEL,
     IDCANCEL,
     Warning},
    {"AbortRetryIgnore",
     MB_ABORTRETRYIGNORE | MB_DEFBUTTON2,
     {IDABORT, IDRETRY, IDIGNORE},
     IDRETRY,
     {},
     NoIcon},
    {"RetryCancel", MB_RETRYCANCEL, {IDRETRY, IDCANCEL}, IDRETRY, IDCANCEL, NoIcon},
    {"DefaultBeyondTheButtons", MB_OK | MB_DEFBUTTON3, {IDOK}, IDOK, IDOK, NoIcon},
};

INSTANTIATE_TEST_SUITE_P(Flags, MessageBoxFlagsTest, ::testing::ValuesIn(kFlags),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RealUiService, AMessageBoxShowsTheFlagsAndReturnsTheClickedButton)
{
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool defaultIsNo = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = true;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        defaultIsNo = box->defaultButton() == box->button(QMessageBox::No);
        box->button(QMessageBox::Yes)->click();
    });
    const int answer =
        UiService::instance().messageBox(nullptr, QStringLiteral("Quit?"), QStringLiteral("Title"),
                                         MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
    ASSERT_TRUE(shown);
    EXPECT_EQ(answer, IDYES);
    EXPECT_EQ(title, QStringLiteral("Title"));
    EXPECT_EQ(text, QStringLiteral("Quit?"));
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_TRUE(defaultIsNo);
}

TEST(RealUiService, CancelOfAnOkCancelBoxIsIdCancel)
{
    bool shown = false;
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = true;
        box->button(QMessageBox::Cancel)->click();
    });
    EXPECT_EQ(
        UiService::instance().messageBox(nullptr, QStringLiteral("t"), QStringLiteral("c"), MB_OKCANCEL),
        IDCANCEL);
    EXPECT_TRUE(shown);
}

TEST(ScriptedUiService, RecordsBoxesAndAnswersQueuedThenDefault)
{
    testsupport::ScriptedUiService ui;
    UiService::setInstance(&ui);
    ui.queueMessageBoxAnswer(IDNO);
    EXPECT_EQ(UiService::instance().messageBox(nullptr, QStringLiteral("a"), QStringLiteral("T"), MB_YESNO),
              IDNO);
    EXPECT_EQ(UiService::instance().messageBox(nullptr, QStringLiteral("b"), QStringLiteral("T"),
                                               MB_YESNO | MB_DEFBUTTON2),
              IDNO);
    EXPECT_EQ(UiService::instance().messageBox(nullptr, QStringLiteral("c"), QStringLiteral("T"), MB_YESNO),
              IDYES);
    ui.setDefaultMessageBoxAnswer(IDCANCEL);
    EXPECT_EQ(UiService::instance().messageBox(nullptr, QStringLiteral("d"), QStringLiteral("T"), MB_OK),
              IDCANCEL);
    UiService::setInstance(nullptr);
    EXPECT_EQ(ui.messageTexts(), (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                                              QStringLiteral("d")}));
    EXPECT_EQ(ui.messageBoxes().at(1).flags, MB_YESNO | MB_DEFBUTTON2);
}

TEST(ScriptedUiService, DialogsTakeQueuedAnswersThenCancelOrTheOfferedText)
{
    testsupport::ScriptedUiService ui;
    ui.queueInputBoxAnswer(QStringLiteral("typed"));
    ui.queueInputBoxAnswer(std::nullopt);
    EXPECT_EQ(ui.inputBox(nullptr, QStringLiteral("p"), QStringLiteral("t"), QStringLiteral("d")),
              QStringLiteral("typed"));
    EXPECT_EQ(ui.inputBox(nullptr, QStringLiteral("p"), QStringLiteral("t"), QStringLiteral("d")),
              std::nullopt);
    EXPECT_EQ(ui.inputBox(nullptr, QStringLiteral("p"), QStringLiteral("t"), QStringLiteral("d")),
              QStringLiteral("d"));
    ui.queueFileName(QStringLiteral("/tmp/a.txt"));
    EXPECT_EQ(ui.openFileName(nullptr, QStringLiteral("Open"), QString(), QStringLiteral("*.txt")),
              QStringLiteral("/tmp/a.txt"));
    EXPECT_TRUE(ui.saveFileName(nullptr, QStringLiteral("Save"), QString(), QString()).isEmpty());
    ASSERT_EQ(ui.fileDialogs().size(), 2);
    EXPECT_TRUE(ui.fileDialogs().at(1).save);
    ui.queueColor(QColor(Qt::green));
    EXPECT_EQ(ui.chooseColor(nullptr, Qt::black), QColor(Qt::green));
    EXPECT_EQ(ui.chooseColor(nullptr, Qt::black), std::nullopt);
    EXPECT_EQ(ui.chooseFont(nullptr, QFont()), std::nullopt);
    EXPECT_EQ(ui.colorDialogCount(), 2);
}

TEST(ScriptedUiService, ModalWindowsAreRecordedAndHandledWithoutBlocking)
{
    testsupport::ScriptedUiService ui;
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("frmresult"));
    dialog.setWindowTitle(QStringLiteral("Score"));
    EXPECT_EQ(ui.execModal(&dialog), QDialog::Accepted);
    ui.setModalHandler([](QDialog* shown) {
        shown->reject();
        return shown->result();
    });
    EXPECT_EQ(ui.execModal(&dialog), QDialog::Rejected);
    ASSERT_EQ(ui.modalWindows().size(), 2);
    EXPECT_EQ(ui.modalWindows().at(0).objectName, QStringLiteral("frmresult"));
    EXPECT_EQ(ui.modalWindows().at(0).windowTitle, QStringLiteral("Score"));
}

} // namespace
