#pragma once
// Printing the settings listing on a QPrinter. The listing itself and its pagination are pure
// code in core/settings/printout.h; this unit only feeds them the printer's real metrics and
// puts the text on paper, so the same road serves the default printer and a PDF file.
#include <string>
#include <vector>

class QPrinter;

namespace brenvox {
class ModuleSettings;
}

namespace brenvox::gui {

struct PrintRun {
    bool ok = false;              // the job was begun and ended without an error from the print system
    int pages = 0;                // pages started (1 for any listing that was printed)
    int lineHeight = 0;           // the line height used, in printer device units
    int pageLimit = 0;            // printable page height minus the line height, in device units
    std::vector<int> drawnLines;  // lines with text drawn on each page
};

// Prints the UTF-8 lines, one per line, from the top-left corner of the printable area, in the
// printer's default font. No dialog. The printer must already be set up (default printer or a
// PDF file).
PrintRun PrintLinesOn(QPrinter& printer, const std::vector<std::string>& utf8Lines);

// The whole settings listing, dated today, under the name of the settings.
PrintRun PrintSettingsOn(QPrinter& printer, const ModuleSettings& settings,
                         const std::string& settingsNameUtf8);

// What "Drukuj" does: the listing on the default printer, without a dialog. ok is false and
// pages 0 when there is no usable default printer; printerName names the queue used.
struct DefaultPrintRun {
    PrintRun run;
    bool hasPrinter = false;
    std::string printerName;
};
DefaultPrintRun PrintSettingsOnDefaultPrinter(const ModuleSettings& settings,
                                              const std::string& settingsNameUtf8);

// Points the printer at the system's default printer. False when there is none that can be
// used; the printer is left untouched then.
bool UseDefaultPrinter(QPrinter& printer);

// Points the printer at a PDF file instead of a print queue (tests, and printing to a file).
void UsePdfFile(QPrinter& printer, const std::string& pdfPath);

}  // namespace brenvox::gui
