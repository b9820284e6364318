// What the dialogs that build books share: the progress bar as they drive it, and how a finished
// build's skipped entries are told.
#pragma once

#include "segmentation/core/bookbuild.h"

class QProgressBar;
class QWidget;

namespace segmentation {

// Shows the bar on 1 to 7000, at its start.
void startProgress(QProgressBar* bar);
// One step, as the system's bar steps: past its maximum it starts again from its minimum. The bar
// repaints at once where its look changes, since a build does not return to the event loop.
void stepProgress(QProgressBar* bar);

// Says which entries a finished build passed over; nothing when it passed over none.
void reportSkippedEntries(QWidget* parent, const BuildReport& report);

} // namespace segmentation
