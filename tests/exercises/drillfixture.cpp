#include "tests/exercises/drillfixture.h"

#include "exercises/registerexercises.h"
#include "platform/ime/imefiles.h"
#include "platform/ime/inputmethod.h"
#include "platform/keyboard.h"
#include "platform/programexit.h"
#include "shell/exerciseregistry.h"
#include "shell/module1.h"
#include "tests/support/layoutregistration.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>
#include <algorithm>
#include <numeric>

namespace drilltest {
namespace {

int oneCharacter(int)
{
    return 1;
}
int twoCharacters(int)
{
    return 2;
}
int threeCharacters(int)
{
    return 3;
}
int fourCharacters(int)
{
    return 4;
}
// Words of five and seven characters by turns.
int fiveOrSeven(int row)
{
    return row % 2 ? 7 : 5;
}

} // namespace

QColor background(const QLineEdit* box)
{
    return box->palette().color(QPalette::Base);
}

QList<int> rowRange(int first, int count)
{
    QList<int> rows(count);
    std::iota(rows.begin(), rows.end(), first);
    return rows;
}

bool imeSelected()
{
    return platform::KeyboardLayouts::instance().activeLayoutId() == QByteArray("E0200804");
}

const QList<Member>& members()
{
    static const QList<Member> list = {
        {"frmwubushou", "单字训练", "jiandan", 32, oneCharacter, true, "complete", "Text2", true},
        {"Frmcijm", "词一键简码", "Ci1jm", 16, twoCharacters, false, "sound", "TxtHelp", true},
        {"Frmcizu2", "两字词组训练", "Ci2", 16, twoCharacters, false, "sound", "TxtHelp", true},
        {"Frmcizu3", "三字词组训练", "Ci3", 12, threeCharacters, false, "sound", "TxtHelp", true},
        {"Frmcizu4", "四字词组训练", "Ci4", 8, fourCharacters, false, "sound", "TxtHelp", false},
        {"Frmcizu5", "多字词组训练", "Cid", 4, fiveOrSeven, false, "sound", "TxtHelp", false},
    };
    return list;
}

QList<Member> lessons()
{
    QList<Member> list = members();
    Member zi1 = list[0];
    zi1.title = "字一键简码";
    zi1.table = "Zi1jm";
    Member zi2 = list[0];
    zi2.title = "字两键简码";
    zi2.table = "Zi2jm";
    Member ci2 = list[1];
    ci2.title = "词两键简码";
    ci2.table = "Ci2jm";
    list << zi1 << zi2 << ci2;
    return list;
}

std::string memberName(const Member& member)
{
    return std::string(member.window) + "_" + member.table;
}

void PrintTo(const Member& member, std::ostream* os)
{
    *os << memberName(member);
}

void DrillTest::SetUp()
{
    shell::clearExercises();
    exercises::registerExerciseWindows();
    platform::setProgramEnder([this](int code) { m_endedWith.append(code); });
    // The input method registered, so the layout switches can be seen.
    testsupport::registerKeyboardLayout("E0200804");
    Module1::gImeLayout = platform::LoadKeyboardLayoutA("E0200804", 0);
    Module1::gEnglishLayout = platform::LoadKeyboardLayoutA(platform::kUsEnglishLayoutId, 0);
}

void DrillTest::TearDown()
{
    m_window.reset();
    m_dialog.reset();
    Module1::gDatabase.reset();
    Module1::gImeLayout = 0;
    Module1::gEnglishLayout = 0;
    platform::KeyboardLayouts::instance().reset();
    platform::setProgramEnder({});
    shell::clearExercises();
}

void DrillTest::useLesson(const QString& table, const QList<LessonRow>& rows)
{
    const QString path = folders.programFolder() + QStringLiteral("talvorendb.dat");
    createLessonDatabase(path, {{table, rows}});
    Module1::gDatabase = platform::dao::Database::open(path);
}

void DrillTest::useLesson(const Member& member, int rowCount)
{
    useLesson(QString::fromUtf8(member.table), makeRows(rowCount, member.wordLength));
}

void DrillTest::useSampleDatabase()
{
    QString error;
    const QString path = folders.copySampleDatabase(&error);
    ASSERT_FALSE(path.isEmpty()) << error.toStdString();
    Module1::gDatabase = platform::dao::Database::open(path);
}

exercises::DrillWindow* DrillTest::openWindow(const Member& member)
{
    Module1::gExerciseTitle = QString::fromUtf8(member.title);
    const shell::ExerciseFactory factory = shell::exerciseFactory(QString::fromUtf8(member.window));
    if (!factory)
        return nullptr;
    m_window.reset(static_cast<exercises::DrillWindow*>(factory(nullptr)));
    if (!m_window->loadFailed()) {
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        (void)QTest::qWaitForWindowActive(m_window.get());
    }
    return m_window.get();
}

QDialog* DrillTest::openDialogWindow(const QString& windowName, const QString& title)
{
    Module1::gExerciseTitle = title;
    m_window.reset();
    m_dialog.reset(shell::exerciseFactory(windowName)(nullptr));
    m_dialog->show();
    QApplication::setActiveWindow(m_dialog.get());
    (void)QTest::qWaitForWindowActive(m_dialog.get());
    return m_dialog.get();
}

void DrillTest::drawRows(const QList<int>& rows, int recordCount)
{
    QList<float> values;
    for (int row : rows)
        values.append(static_cast<float>((row + 0.5) / (recordCount - 1)));
    seams.random.setValues(values);
}

void DrillTest::drawSpreadPage(int pageSize)
{
    QList<float> values;
    for (int k = 0; k < pageSize; ++k)
        values.append(static_cast<float>((k + 0.5) / pageSize));
    seams.random.setValues(values);
}

void DrillTest::drawFirstRows(int pageSize, int recordCount)
{
    drawRows(rowRange(0, pageSize), recordCount);
}

void DrillTest::openOnFirstRows(const Member& member, int rowCount)
{
    useLesson(member, rowCount);
    ASSERT_NE(openWindow(member), nullptr);
    drawFirstRows(member.pageSize, rowCount);
}

void DrillTest::start()
{
    button("CmdStart")->click();
}

QLineEdit* DrillTest::box(int k) const
{
    return child<QLineEdit>(QStringLiteral("Text1_%1").arg(k));
}

QLabel* DrillTest::item(int k) const
{
    return child<QLabel>(QStringLiteral("Label3_%1").arg(k));
}

QString DrillTest::panel(int n) const
{
    return child<QLabel>(QStringLiteral("Panel%1").arg(n))->text();
}

QPushButton* DrillTest::button(const char* name) const
{
    return child<QPushButton>(QString::fromLatin1(name));
}

platform::ime::InputMethod& DrillTest::installSampleInputMethod()
{
    for (const char* name : {platform::ime::kCodeFileName, platform::ime::kUserWordFileName}) {
        QString error;
        EXPECT_FALSE(testsupport::copyStagedFile(QStringLiteral("system/") + QLatin1StringView(name),
                                                 folders.systemFolder(), &error)
                         .isEmpty())
            << error.toStdString();
    }
    testsupport::registerInputMethod("E0240804");
    Module1::LoadImeLayouts();
    EXPECT_TRUE(seams.ui.messageBoxes().isEmpty());
    platform::ime::InputMethod& inputMethod = platform::ime::InputMethod::install();
    inputMethod.reloadFiles();
    return inputMethod;
}

void DrillTest::typeCode(QWidget* window, const QString& code, const QString& wanted)
{
    const platform::ime::InputMethod& inputMethod = *platform::ime::InputMethod::instance();
    for (QChar digit : code)
        QTest::keyClick(window->focusWidget(), Qt::Key(Qt::Key_0 + digit.digitValue()));
    if (inputMethod.composition().isEmpty())
        return;
    ASSERT_NE(inputMethod.popup(), nullptr);
    const QList<platform::ime::CandidatePopup::Row>& rows = inputMethod.popup()->rows();
    const auto at =
        std::find_if(rows.begin(), rows.end(), [&](const auto& row) { return row.text == wanted; });
    ASSERT_NE(at, rows.end()) << wanted.toStdString();
    for (auto i = rows.begin(); i != at; ++i)
        QTest::keyClick(window->focusWidget(), Qt::Key_Down);
    QTest::keyClick(window->focusWidget(), Qt::Key_Space);
}

void DrillTest::type(int k, const QString& text)
{
    // Key by key, as characters arrive when typed one at a time.
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, box(k), Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void DrillTest::commit(int k, const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(box(k), &event);
}

QString DrillTest::wrongAnswer(int k) const
{
    QString answer = item(k)->text();
    answer[answer.size() - 1] = QChar(0x9FA0);
    return answer;
}

int DrillTest::countedFor(const Member& member, int k) const
{
    return member.countsOneCharacter ? 1 : static_cast<int>(item(k)->text().size());
}

} // namespace drilltest
