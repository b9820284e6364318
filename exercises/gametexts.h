// The texts that the falling-codes game shows.
#pragma once

#include <QStringView>

namespace exercises::gametexts {

inline constexpr QStringView kGameTestTitle = u"游戏测试";
inline constexpr QStringView kHint = u"请在右边的文本框内输入数字->";
inline constexpr QStringView kScoreCaption = u"成绩:";
inline constexpr QStringView kScoreZero = u"0";
inline constexpr QStringView kDifficultyFrame = u"难度";
inline constexpr QStringView kEasy = u"容易";
inline constexpr QStringView kHard = u"困难";
inline constexpr QStringView kRemarkKeepGoing = u"加油，加油!!";
inline constexpr QStringView kRemarkFair = u"还可以,继续努力!!";
inline constexpr QStringView kRemarkGood = u"真棒,继续努力!!";
inline constexpr QStringView kRemarkCool = u"好酷,但不要骄傲!!";
inline constexpr QStringView kScoreMessageBefore = u"您的成绩为";
inline constexpr QStringView kScoreMessageAfter = u"！ ";
inline constexpr QStringView kDatabaseError = u"读取数据库错误，请重新安装本软体";

} // namespace exercises::gametexts
