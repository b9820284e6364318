#include "segmentation/ui/bookfailures.h"

#include "segmentation/core/bookproblems.h"
#include "segmentation/ui/afxmessagebox.h"

namespace segmentation {

void tellBookProblem(QWidget* parent, const BookProblem& problem)
{
    if (problem.plain)
        plainMessageBox(problem.text);
    else
        afxMessageBox(parent, problem.text);
}

} // namespace segmentation
