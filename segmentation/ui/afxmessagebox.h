// The practice program's message box: captioned with the application title, with the icon the
// framework adds when the caller names none.
#pragma once

#include "platform/uiservice.h"

#include <QString>

class QWidget;

namespace segmentation {

// Shown through the UI service; returns the button pressed (IDOK, IDYES, ...).
int afxMessageBox(QWidget* parent, const QString& text, platform::UINT type = platform::MB_OK);

// The caption the system gives a message box whose caller names none.
inline constexpr const char* kSystemDefaultCaption = "错误";

// A plain message box: no owner window, the system's default caption, an OK button.
void plainMessageBox(const QString& text);

} // namespace segmentation
