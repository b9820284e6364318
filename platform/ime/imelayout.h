// Which keyboard layout is the input method's: the registered id whose layout text is its name.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace platform::ime {

// The input method's display name, as its keyboard layout registers it.
inline constexpr const char* kImeDisplayName = "Talvoren输入法2002简易版";

// True when the id is one of E0200804 to E0290804 and is registered with the display name.
bool isImeLayoutId(QByteArrayView layoutId);
// The first such id, looked up from x = 0 to 9; empty when the input method is not registered.
QByteArray findImeLayoutId();

} // namespace platform::ime
