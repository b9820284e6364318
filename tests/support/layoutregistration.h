// Keyboard layouts registered under HKEY_LOCAL_MACHINE, as an installed input method leaves them.
#pragma once

#include "platform/wintypes.h"

#include <QByteArray>
#include <QString>

namespace testsupport {

// The layout's key alone, without a layout text.
void registerKeyboardLayout(const char* layoutId);
// With the value "layout text" holding exactly these bytes, of this type.
void registerKeyboardLayout(const char* layoutId, const QByteArray& storedText, platform::DWORD type);
// With a REG_SZ "layout text": the text in GBK and its terminating NUL.
void registerKeyboardLayout(const char* layoutId, const QString& layoutText);
// The input method's display name under the id.
void registerInputMethod(const char* layoutId);

} // namespace testsupport
