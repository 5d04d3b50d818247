// Start-up of the workbench: creates the windows and opens the scheme named on the
// command line, if any.
#pragma once

class QApplication;

namespace velmar::gui {

int runWorkbench(QApplication& app);

}  // namespace velmar::gui
