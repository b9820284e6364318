// The one way the practice program's windows tell that a book cannot be built, opened or read.
#pragma once

class QWidget;

namespace segmentation {

struct BookProblem;

// The plain message box, or the program's own box over parent, as the problem says.
void tellBookProblem(QWidget* parent, const BookProblem& problem);

} // namespace segmentation
