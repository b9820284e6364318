// How the practice program tells that one of its books cannot be opened or read.
#pragma once

class QWidget;

namespace platform::dao {
class DaoError;
}

namespace segmentation {

struct BookOpenFailure;

// An index file that cannot be opened, mapped or used gets the plain message box with the reader's
// text; a database that cannot be opened, the program's own box with what the engine said.
void reportBookOpenFailure(QWidget* parent, const BookOpenFailure& failure);
// A book whose tables cannot be read: the program's own box with what the engine said.
void reportBookReadFailure(QWidget* parent, const platform::dao::DaoError& error);

} // namespace segmentation
