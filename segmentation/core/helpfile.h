// The practice program's help file beside the program, and the page of it that the About box opens.
#pragma once

#include <QString>

namespace segmentation {

// <program folder>corvelle.chm
QString helpFilePath();
// The help file's about page as a file address: the help file with the page as its fragment, in the
// form the desktop's help viewer (xCHM) opens at that page; a viewer that ignores it shows the front
// page, from which the about page is one click away.
QString helpAboutPageAddress();

} // namespace segmentation
