// The practice program's message box: captioned with the application title, with the icon the
// framework adds when the caller names none.
#pragma once

#include "platform/uiservice.h"

#include <QString>

class QWidget;

namespace segmentation {

inline constexpr const char* kApplicationTitle = "Corvelle";

// Shown through the UI service; returns the button pressed (IDOK, IDYES, ...).
int afxMessageBox(QWidget* parent, const QString& text, platform::UINT type = platform::MB_OK);

} // namespace segmentation
