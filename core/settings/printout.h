#pragma once
// The settings printout: the listing as plain lines (pure, so it is tested without a printer)
// and the page-break rule the GUI drives with the real printer metrics.
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "settings/module_settings.h"

namespace brenvox {

// All lines of the printout in UTF-8, empty lines included (the defaults give 104 lines).
std::vector<std::string> PrintoutLines(const ModuleSettings& s, std::string_view settingsNameUtf8,
                                       std::string_view dateDDMMYYYY);

// The date as DD-MM-YYYY in local time ("06-12-2026"); without an argument, today.
std::string PrintDate(std::time_t when);
std::string PrintDate();

// Where one printed line goes.
struct PrintPlacement {
    bool newPageBefore = false;  // start a new page before drawing
    int y = 0;                   // top of the line on its page
    bool draw = false;           // false for an empty line, which only advances
};

// PrintY, LineHeight and PageLimit of one print run. A page holds the lines whose top lies above
// PageLimit; the break comes before the line that would not fit, an empty line included.
class PrintPaginator {
public:
    // lineHeight: height of "Xy" in the print font plus 2; pageHeight: the printable height.
    PrintPaginator(int lineHeight, int pageHeight);

    PrintPlacement PrintLine(std::string_view text);

    int PrintY() const { return printY_; }
    int LineHeight() const { return lineHeight_; }
    int PageLimit() const { return pageLimit_; }

private:
    int printY_ = 0;
    int lineHeight_;
    int pageLimit_;
};

struct PrintedLine {
    int y;
    std::string text;
};

// Runs the lines through a PrintPaginator: one entry per page, holding the lines drawn on it
// (empty lines take their room but are not listed). The first page always exists.
std::vector<std::vector<PrintedLine>> PaginatePrintout(const std::vector<std::string>& lines, int lineHeight,
                                                       int pageHeight);

}  // namespace brenvox
