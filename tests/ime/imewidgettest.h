// What the input method's widget tests share: a registered layout, the sample files, and typing.
#pragma once

#include "platform/ime/imenotifications.h"
#include "platform/ime/inputmethod.h"
#include "tests/support/testfolders.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>

namespace imetest {

inline constexpr const char* kTestLayoutId = "E0230804";

// Presses the keys of a script: digits, and S Space, E Enter, U Up, D Down, B Backspace, X Escape,
// a-z as letters.
void typeScript(QWidget* widget, const char* script);

// A widget that asks for the input method's messages and records them.
class RecordingTarget : public QWidget, public platform::ImeMessageTarget
{
public:
    struct Message
    {
        platform::UINT msg = 0;
        platform::WPARAM wParam = 0;
        platform::LPARAM lParam = 0;
        QByteArray composition; // read during IMN_OPENCANDIDATE, as the practice view does
    };

    explicit RecordingTarget(QWidget* parent = nullptr);
    bool imeMessage(platform::UINT msg, platform::WPARAM wParam, platform::LPARAM lParam) override;

    QList<Message> messages;
    bool acceptLayoutChange = true;
};

// Fresh folders with the input method registered and its sample files written; the input method
// installed and US English active. Problems reported go to `problems`.
class ImeWidgetTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    void switchToIme();
    void switchToEnglish();
    QByteArray activeLayoutId() const;

    testsupport::TestFolders folders;
    platform::ime::InputMethod* inputMethod = nullptr;
    QStringList problems;
};

} // namespace imetest
