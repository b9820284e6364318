// The emulated system is a Chinese one: the standard dialogs' buttons speak its language.
#pragma once

class QCoreApplication;

namespace platform {

// Loads Qt's own simplified-Chinese texts (是/否, 确定, 取消 ...) into the application; without the
// translation files the dialogs keep Qt's English texts, and the answer is false.
bool installSystemTranslations(QCoreApplication& application);

} // namespace platform
