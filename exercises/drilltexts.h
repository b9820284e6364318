// The texts that the drill windows show.
#pragma once

#include <QStringView>

namespace exercises::texts {

inline constexpr QStringView kTitleCi1jm = u"词一键简码";
inline constexpr QStringView kPromptCharacters = u"请在文本框中输入对应的汉字";
inline constexpr QStringView kPromptWords = u"请在文本框中输入对应的词组";
inline constexpr QStringView kPromptDigits = u"请在文本框中输入对应的数字";
inline constexpr QStringView kProgressTyped = u"已打";
inline constexpr QStringView kProgressCorrect = u"正确";
inline constexpr QStringView kProgressCharacterSuffix = u"个字";
inline constexpr QStringView kHintCharacters = u" 的Talvoren码为";
inline constexpr QStringView kHintWords = u" 的Talvoren码为 ";
inline constexpr QStringView kSoundComplete = u"complete";
inline constexpr QStringView kSoundSound = u"sound";
inline constexpr QStringView kCizu2Kind = u"两字词组";
inline constexpr QStringView kCizu3Kind = u"三字词组";
inline constexpr QStringView kCizu4Kind = u"四字词组";
inline constexpr QStringView kCizu5Kind = u"多字词组";
inline constexpr QStringView kSecondSemicolon = u"；";
inline constexpr QStringView kShortEnding = u"将分别在文字框和状态栏上显示此词组Talvoren码。";
inline constexpr QStringView kCodeWordDe = u"的";
inline constexpr QStringView kTimeLabel = u"请输入本次练习的时间：";
inline constexpr QStringView kTimeDefault = u"10";
inline constexpr QStringView kTimeToolTip = u"(1-60)";
inline constexpr QStringView kMinutesLabel = u"分";
inline constexpr QStringView kStartCaption = u"开始(&S)";
inline constexpr QStringView kPauseCaption = u"暂停(&P)";
inline constexpr QStringView kStopCaption = u"终止(&Q)";
inline constexpr QStringView kExitCaption = u"退出(&X)";
inline constexpr QStringView kAccuracyLabel = u"正确率";
inline constexpr QStringView kZeroPercent = u"0%";
inline constexpr QStringView kClockZero = u"00:00";
inline constexpr QStringView kContinueCaption = u"继续(&C)";
inline constexpr QStringView kLeaveQuestion = u"确信要退出本练习？";
inline constexpr QStringView kTimeRangeMessage = u"请在文本框中输入1-60之间的数字";
inline constexpr QStringView kDatabaseError = u"读取数据库错误，请重新安装本软件";

// Help texts of the word drills and the word short-code drill; each is shown after four blanks.
inline constexpr QStringView kCizu2Help =
    u"本课主要训练两字词组。系统自动打开Talvoren输入法2002简易版，用户输入上面的词组。如果输入正确，自动跳到"
    u"下一个词组；如果输入错误，背景色变成红色，自动跳到下一个词组； "
    u"如果碰到不知道编码的汉字可以按帮助（F2）提示，将分别在文字框和状态栏上显示此词组的Talvoren码。";
inline constexpr QStringView kCi1jmHelp =
    u"本课主要训练词一键简码。本课训练部分，系统自动打开Talvoren输入法2002简易版，用户打入正确的词组简码，如"
    u"果输入正确，自动跳到下一个词组；如果输入错误，背景色变成红色，自动跳到下一个词组；如果碰到不知道简码的"
    u"词组可以按F2帮助提示，也可以把滑鼠移到要训练的词组，该词组简码会自动提示。";

} // namespace exercises::texts
