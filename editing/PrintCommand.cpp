// Printing the results: the report goes to the default printer, then the window is
// drawn again, which also gives the point picking the screen table back.
#include "Dialogs.h"
#include "PrintReport.h"
#include "ResultsWindow.h"

void ResultsWindow::Command6Click() {
    const PrintOutcome outcome = PrintReport();
    if (!outcome.printed) {
        // A report that did not reach the printer is said so; the window stays as it was.
        TheDialogs().Inform("Результаты не напечатаны: " + outcome.reason + ".",
                            "Печать результатов", MessageIcon::Warning);
    }
    Redraw();
    Command6->setEnabled(true);
    Command6->show();
}
