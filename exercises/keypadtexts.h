// The texts that the keypad drill shows.
#pragma once

#include <QStringView>

namespace exercises::keypadtexts {

inline constexpr QStringView kKeypadTitle = u"小键盘练习";
inline constexpr QStringView kFiguresFrame = u"练习成绩";
inline constexpr QStringView kAccuracyCaption = u"正 确 率:";
inline constexpr QStringView kSpeedCaption = u"击键速度:";
inline constexpr QStringView kTimeCaption = u"用去时间:";
inline constexpr QStringView kGroupSizePrompt = u"请输入每组练习的个数：";
inline constexpr QStringView kDefaultGroupSizeText = u"10";
inline constexpr QStringView kStartCaption = u"开始练习";
inline constexpr QStringView kLeaveCaption = u"退出练习";
inline constexpr QStringView kSubmitKeysHint = u"结束键为 \"/\" 或 \"*\" 或空格";
inline constexpr QStringView kNumLockPanel = u"NumLock";
inline constexpr QStringView kCapsLockPanel = u"Caps Lock";
inline constexpr QStringView kProgressBefore = u"共 ";
inline constexpr QStringView kProgressMiddle = u" 个第 ";
inline constexpr QStringView kProgressAfter = u" 个";
inline constexpr QStringView kGroupSizeMessage = u"请输入1-100之间的数字";
inline constexpr QStringView kKeypadOnlyMessage = u"请用小键盘,并保证NumLock打开";
inline constexpr QStringView kKeysPerMinute = u"键/分";
inline constexpr QStringView kMinutes = u"分";
inline constexpr QStringView kLeaveQuestion = u"是否退出正在进行的练习?";

} // namespace exercises::keypadtexts
