// The read-only box under the label "文章内容:" in which the practice-file and export dialogs show an
// article (control 1001), and the push buttons those dialogs line up beneath it.
#pragma once

#include <QByteArrayView>
#include <QString>

class QDialog;
class QPlainTextEdit;
class QPushButton;

namespace segmentation {

class DialogUnits;

// Both dialogs are this many dialog units across and down.
inline constexpr int kArticleDialogWidth = 320;
inline constexpr int kArticleDialogHeight = 200;

QPlainTextEdit* addArticleTextBox(QDialog* dialog, const DialogUnits& units);
// A button in the row under the box, `slot` places from the left (0 to 4), `span` places wide.
QPushButton* addArticleDialogButton(QDialog* dialog, const DialogUnits& units, const QString& text,
                                    const QString& objectName, int slot, int span = 1);
// Shows GBK text; CR LF breaks the line, as in the edit control the text was made for.
void showArticleText(QPlainTextEdit* box, QByteArrayView text);

} // namespace segmentation
