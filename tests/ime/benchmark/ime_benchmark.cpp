// How fast the input method answers a keystroke on a code file of 60,000 words: the table, the
// composer, and a whole keystroke through the application with the candidate popup.
#include "platform/ime/composer.h"
#include "platform/ime/imefiles.h"
#include "platform/ime/inputmethod.h"
#include "platform/imelookup.h"
#include "platform/keyboard.h"
#include "tests/ime/support/imefilewriter.h"
#include "tests/support/files.h"
#include "tests/support/layoutregistration.h"
#include "tests/support/testfolders.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMap>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>

using namespace platform::ime;

namespace {

constexpr int kCharacters = 20000;
constexpr int kWords = 60000;

QByteArray randomCode(std::mt19937& random, int minLength, int maxLength)
{
    std::uniform_int_distribution<int> length(minLength, maxLength);
    std::uniform_int_distribution<int> digit(0, 9);
    QByteArray code;
    for (int i = length(random); i > 0; --i)
        code.append(char('0' + digit(random)));
    return code;
}

QList<imetest::CodeGroup> groups(std::mt19937& random, int count, int minChars, int maxChars)
{
    std::uniform_int_distribution<int> length(minChars, maxChars);
    std::uniform_int_distribution<int> character(0x4E00, 0x9FA5);
    QMap<QByteArray, QList<QString>> byCode;
    for (int i = 0; i < count; ++i) {
        QString item;
        for (int n = length(random); n > 0; --n)
            item.append(QChar(char16_t(character(random))));
        byCode[randomCode(random, minChars == 1 ? 1 : 2, 6)].append(item);
    }
    QList<imetest::CodeGroup> result;
    for (auto it = byCode.cbegin(); it != byCode.cend(); ++it)
        result.append({it.key(), it.value()});
    return result;
}

// The synthetic code file (characters and words, always the same) and an empty user word file.
void writeSyntheticFiles(const QString& folder)
{
    std::mt19937 random(2002);
    testsupport::writeFile(
        folder + QLatin1StringView(kCodeFileName),
        imetest::codeFileBytes(groups(random, kCharacters, 1, 1), groups(random, kWords, 2, 4)));
    testsupport::writeFile(folder + QLatin1StringView(kUserWordFileName), imetest::userWordFileBytes({}));
}

// Writes the synthetic files once and loads them, as the input method does when switched on.
const CodeTable& table()
{
    static const CodeTable loaded = [] {
        QTemporaryDir dir;
        const QString folder = dir.path() + u'/';
        writeSyntheticFiles(folder);
        LoadedTable result = loadCodeTable(folder);
        if (!result.table)
            qFatal("%s", qPrintable(result.problem->describe()));
        return std::move(*result.table);
    }();
    return loaded;
}

// What one keystroke asks of the table: the entries of the new composition and the prefix test.
void BM_LookupPerKeystroke(benchmark::State& state)
{
    const CodeTable& codes = table();
    std::mt19937 random(7);
    std::vector<QByteArray> probes;
    for (int i = 0; i < 4096; ++i)
        probes.push_back(randomCode(random, 1, 6));
    std::size_t i = 0;
    for (auto _ : state) {
        const QByteArray& code = probes[i++ % probes.size()];
        benchmark::DoNotOptimize(codes.lookup(code).size());
        benchmark::DoNotOptimize(codes.isPrefixOfLonger(code));
    }
    state.counters["entries"] = double(codes.size());
}
BENCHMARK(BM_LookupPerKeystroke);

// A whole code typed digit by digit through the composer, committed with Space.
void BM_TypeCode(benchmark::State& state)
{
    const CodeTable& codes = table();
    Composer composer(&codes);
    const QByteArray code = CodeTable::code(codes.entries()[codes.size() / 2]);
    for (auto _ : state) {
        for (char digit : code)
            benchmark::DoNotOptimize(composer.processKey(ComposerKey::ofDigit(digit - '0')));
        benchmark::DoNotOptimize(composer.processKey(ComposerKey::of(ComposerKey::Kind::Commit)));
        composer.reset();
    }
    state.SetItemsProcessed(state.iterations() * (code.size() + 1));
}
BENCHMARK(BM_TypeCode);

void BM_LoadFiles(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    writeSyntheticFiles(folder);
    for (auto _ : state)
        benchmark::DoNotOptimize(loadCodeTable(folder).table->size());
}
BENCHMARK(BM_LoadFiles)->Unit(benchmark::kMillisecond);

// One key press through the application's event delivery, as a typed key arrives.
void press(QWidget* widget, Qt::Key key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier,
                    key == Qt::Key_Backspace ? QString() : QString(QChar(u'0' + (key - Qt::Key_0))));
    QApplication::sendEvent(widget, &event);
}

// One keystroke that changes the composition and redraws the popup, painting included: by turns a
// digit and Backspace, between a code and a longer one that both have candidates.
void BM_KeystrokeWithPopup(benchmark::State& state)
{
    // The input method reads the same synthetic files from the system folder.
    const QByteArray layout = platform::findImeLayoutId();
    platform::ActivateKeyboardLayout(platform::LoadKeyboardLayoutA(layout.constData(), 0), 0);
    auto& inputMethod = platform::ime::InputMethod::install();
    if (!inputMethod.isOn())
        qFatal("the input method did not switch on");
    QLineEdit edit;
    edit.show();
    edit.activateWindow();
    edit.setFocus();
    QApplication::processEvents();
    press(&edit, Qt::Key_1);
    bool longer = false;
    for (auto _ : state) {
        longer = !longer;
        press(&edit, longer ? Qt::Key_2 : Qt::Key_Backspace);
        QApplication::processEvents();
    }
    if (!inputMethod.popup() || inputMethod.popup()->rows().isEmpty())
        qFatal("the popup showed no candidates");
    state.counters["candidates"] = double(inputMethod.popup()->rows().size());
}
BENCHMARK(BM_KeystrokeWithPopup)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testsupport::TestFolders folders;
    writeSyntheticFiles(folders.systemFolder());
    testsupport::registerInputMethod("E0200804");

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
