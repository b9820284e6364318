// How the practice program tells that a book cannot be built, opened or read: the text, and the box
// it goes in. A source or index file that cannot be opened or mapped is told in the plain message box
// with the file layer's own words; a damaged source, a book that cannot be written and a database that
// cannot be read, in the program's own box.
#pragma once

#include "segmentation/core/bookbuild.h"
#include "segmentation/core/bookfiles.h"

#include <QString>

namespace segmentation {

struct BookOpenFailure;

struct BookProblem
{
    QString text;
    bool plain = false; // the plain message box (no owner window, the system's caption)
    bool operator==(const BookProblem&) const = default;
};

BookProblem bookProblem(const BuildFailure& failure);
BookProblem bookProblem(BookKind kind, const BookOpenFailure& failure);
// A book's database that cannot be read: which book, what to do about it, and what the engine said.
BookProblem bookReadProblem(BookKind kind, const QString& detail);

} // namespace segmentation
