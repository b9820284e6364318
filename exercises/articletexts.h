// The texts that the article test shows.
#pragma once

#include <QStringView>

namespace exercises::texts {

inline constexpr QStringView kArticleTestCaption = u"Talvoren汉字测试";
// Shown after four blanks.
inline constexpr QStringView kArticleTestHelp =
    u"Talvoren汉字测试部分，在列表框中选择练习的文章后，单击“开始”按钮程序自动打开Talvoren输入法2002简易版，"
    u"输入文章，可以用方向键控制指示光标，未输入的文字为黑色，输入正确的文字变为白色，输入错误的文字变为红色"
    u"。"
    u"输入完成按“成绩”将显示你的测试成绩。按“导入文章”按钮，可以将用户的文本文件放入测试库中。按“删除文章”可"
    u"以"
    u"删除测试库中不要的文章。";
inline constexpr QStringView kCheckCaption = u"成绩(&M)";
inline constexpr QStringView kImportCaption = u"导入文章";
inline constexpr QStringView kDeleteCaption = u"删除文章";
inline constexpr QStringView kIndicatorHint = u"可以用方向键控制指示光标";
inline constexpr QStringView kChooseArticleFirst = u"请先选择测试的文章";
inline constexpr QStringView kNothingTypedYet = u"还没打字！就看成绩，当然0分";
inline constexpr QStringView kFileUnsuitable = u"该文件不满足条件，请另选一篇中文文档！";
inline constexpr QStringView kFileUnsuitableWhy = u"可能是没有汉字，或汉字的数目太少，不适宜练习。";
inline constexpr QStringView kAliasPrompt = u"请输入测试文章的别名";
inline constexpr QStringView kChooseFileFirst = u"请先在列表框中选择文件";
inline constexpr QStringView kDeleteQuestion = u"确实要删除";
inline constexpr QStringView kTextFileFilter = u"Text(*.txt)";

// What the test says where stored data or a file does not allow the usual course.
inline constexpr QStringView kEmptyArticle = u"这篇文章没有内容，无法测试，请另选一篇文章。";
inline constexpr QStringView kArticleCut = u"这篇文章太长，只导入了前%1个字。";
inline constexpr QStringView kDeleteFailed = u"删除文章时出错，测试库保持原样。";

} // namespace exercises::texts
