// The main program's shared state and shared procedures: what the main window, the exercises, the
// score box and the maintenance window exchange.
#pragma once

#include "platform/dao.h"
#include "platform/keyboard.h"
#include "platform/registry.h"
#include "platform/wintypes.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace Module1 {

// The nine globals. They live for the whole process; only the database is ever closed.
extern QString gExerciseTitle;
extern QString gAppPath; // the program folder, always ending in the separator
extern float gAccuracy;
extern float gTypingSpeed;
extern float gEffectiveSpeed;
extern std::unique_ptr<platform::dao::Database> gDatabase;
extern platform::LONG_PTR gOldWndProc;
extern platform::HKL gImeLayout;
extern platform::HKL gEnglishLayout;

// Finds the input method among the registered keyboard layouts and loads it beside US English;
// tells the user when it is missing.
void LoadImeLayouts();
QString RegGetString(platform::HKEY root, const QString& subKey, const QString& valueName,
                     const QString& defaultValue);
void ActivateImeLayout();
void ActivateEnglishLayout();
void NumLockOn();
// Installed on answer boxes: turns a first key-down of a keypad key with NumLock off into its digit.
platform::LRESULT KeypadWndProc(platform::HWND hWnd, platform::UINT msg, platform::WPARAM wParam,
                                platform::LPARAM lParam);
void ComputeScores(std::int16_t correct, std::int16_t typed, float minutes);
bool SaveResourceToFile(int id, const QString& type, const QString& fileName);
bool IsInArray(std::int32_t value, std::int32_t count, const std::int32_t* values);

} // namespace Module1
