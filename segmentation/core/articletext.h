// How an article's text is taken from a file's bytes: double-byte characters only, at most 20000 bytes.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace segmentation {

// The longest article in bytes (10000 characters).
inline constexpr qsizetype kMaxArticleBytes = 20000;

// The double-byte characters of bytes, in order: a lead byte of the code page is taken together with
// the byte after it, every other byte is skipped, and taking stops at maxBytes bytes. A lead byte
// that no trail byte follows (a line end, ASCII, the end of the input) is no character and is
// skipped too, so the text holds whole characters only and a text-mode write keeps it as it is.
QByteArray doubleByteText(QByteArrayView bytes, qsizetype maxBytes = kMaxArticleBytes);

} // namespace segmentation
