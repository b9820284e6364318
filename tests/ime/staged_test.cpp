// The input method with the staged sample files: typing the code of a character into a box.
#include "platform/gbk.h"
#include "platform/ime/imefiles.h"
#include "platform/imelookup.h"
#include "platform/keyboard.h"
#include "tests/ime/imewidgettest.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QTest>

using namespace platform;

namespace {

class StagedFilesTest : public imetest::ImeWidgetTest
{
protected:
    void SetUp() override
    {
        ImeWidgetTest::SetUp();
        if (!QFileInfo::exists(testsupport::stageFolder() + QStringLiteral("system/orvesk.mb")))
            GTEST_SKIP() << "no staged code file; build the sample data first";
        for (const char* name : {ime::kCodeFileName, ime::kUserWordFileName}) {
            QString error;
            ASSERT_FALSE(testsupport::copyStagedFile(QStringLiteral("system/") + QLatin1StringView(name),
                                                     folders.systemFolder(), &error)
                             .isEmpty())
                << error.toStdString();
        }
        inputMethod->reloadFiles();
    }
};

TEST_F(StagedFilesTest, TypingTheCodeOfZhongPutsItIntoTheBox)
{
    const QString zhong = QStringLiteral("中");
    const ime::LoadedTable loaded = ime::loadCodeTable(folders.systemFolder());
    ASSERT_TRUE(loaded.table) << loaded.problem->describe().toStdString();
    QByteArray code;
    for (const ime::CodeEntry& entry : loaded.table->entries()) {
        if (entry.source == ime::EntrySource::Character && loaded.table->text(entry) == gbk::encode(zhong)) {
            code = ime::CodeTable::code(entry);
            break;
        }
    }
    ASSERT_FALSE(code.isEmpty()) << "the staged code file has no code for the character";

    QLineEdit edit;
    edit.show();
    ActivateKeyboardLayout(LoadKeyboardLayoutA(imetest::kTestLayoutId, 0), 0);
    ASSERT_TRUE(inputMethod->isOn()) << problems.join(u'\n').toStdString();
    imetest::typeScript(&edit, code.constData());
    if (!inputMethod->composition().isEmpty()) {
        // The code has several entries, or begins a longer one: choose the character.
        const auto candidates = loaded.table->lookup(code);
        const auto at = std::find_if(candidates.begin(), candidates.end(), [&](const ime::CodeEntry& entry) {
            return loaded.table->text(entry) == gbk::encode(zhong);
        });
        for (auto i = candidates.begin(); i != at; ++i)
            QTest::keyClick(&edit, Qt::Key_Down);
        QTest::keyClick(&edit, Qt::Key_Space);
    }
    EXPECT_EQ(edit.text(), zhong);
    EXPECT_TRUE(problems.isEmpty());
}

} // namespace
