#include "segmentation/ui/articletextbox.h"

#include "platform/gbk.h"
#include "segmentation/ui/dialogunits.h"

#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>

namespace segmentation {
namespace {

constexpr int kMargin = 7;
constexpr int kButtonWidth = 56;
constexpr int kButtonGap = 6;
constexpr int kButtonHeight = 14;

} // namespace

QPlainTextEdit* addArticleTextBox(QDialog* dialog, const DialogUnits& units)
{
    units.place(new QLabel(QStringLiteral("文章内容:"), dialog), kMargin, kMargin, 60, 9);
    auto* box = new QPlainTextEdit(dialog);
    box->setObjectName(QStringLiteral("ArticleText_1001"));
    box->setReadOnly(true);
    units.place(box, kMargin, 18, kArticleDialogWidth - 2 * kMargin,
                kArticleDialogHeight - 18 - 2 * kMargin - kButtonHeight);
    return box;
}

QPushButton* addArticleDialogButton(QDialog* dialog, const DialogUnits& units, const QString& text,
                                    const QString& objectName, int slot, int span)
{
    return addPushButton(dialog, units, text, objectName, kMargin + slot * (kButtonWidth + kButtonGap),
                         kArticleDialogHeight - kMargin - kButtonHeight,
                         span * kButtonWidth + (span - 1) * kButtonGap, kButtonHeight);
}

void showArticleText(QPlainTextEdit* box, QByteArrayView text)
{
    box->setPlainText(platform::gbk::decode(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

} // namespace segmentation
