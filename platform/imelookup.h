// Which registered keyboard layout is the input method's: its display name and the lookup over the
// ten candidate layout ids that both programs use.
#pragma once

#include "platform/registry.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>

namespace platform {

// The input method's display name, as its keyboard layout registers it.
inline constexpr const char* kImeDisplayName = "Talvoren输入法2002简易版";
QString imeDisplayName();

// Where HKEY_LOCAL_MACHINE registers a layout: this key path followed by the layout id.
inline constexpr const char* kKeyboardLayoutsKey = "System\\CurrentControlSet\\Control\\Keyboard Layouts\\";
// The value of a layout's key that holds its display name.
inline constexpr const char* kLayoutTextValue = "layout text";

// Reads a text value, giving the empty text when there is none; readStringValue by default.
using RegistryTextReader = std::function<QString(HKEY root, const QString& subKey, const QString& valueName)>;

// E0200804 to E0290804 in this order: the only ids examined. The first whose "layout text" equals
// the display name (exactly, case-sensitive) is the input method's; empty when none is.
QByteArray findImeLayoutId(const RegistryTextReader& read = {});
// True when the id is one of the candidates and is registered with the display name.
bool isImeLayoutId(QByteArrayView layoutId, const RegistryTextReader& read = {});

} // namespace platform
