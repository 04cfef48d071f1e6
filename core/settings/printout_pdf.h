#pragma once
// The printout as a PDF document, for installers without a printer who send the settings sheet
// by mail. Written here, without Qt, so that the GUI's "Zapisz jako PDF" and the CLI's
// `print --pdf` make the same file and the CLI stays free of Qt; the caller saves the bytes with
// WriteFileSafely, as the sheet holds both PINs.
//
// Plain PDF 1.4 that every reader opens: A4 pages, Courier 10 pt (one of the fonts every reader
// has, monospaced so the listing's indentation stays aligned), the text as code page 1250 bytes
// through an encoding that names each of their glyphs, so Polish letters print and copy as
// themselves.
#include <string>
#include <string_view>
#include <vector>

#include "settings/module_settings.h"

namespace brenvox {

// The page, in points (1/72 inch), and where the text goes on it.
struct PdfPageLayout {
    static constexpr int kPageWidth = 595;  // A4
    static constexpr int kPageHeight = 842;
    static constexpr int kMargin = 42;  // about 15 mm on every side
    static constexpr int kFontSize = 10;
    // As on paper: the height of a line of text plus 2.
    static constexpr int kLineHeight = kFontSize + 2;
    static constexpr int kTextHeight = kPageHeight - 2 * kMargin;
    static constexpr int kTextWidth = kPageWidth - 2 * kMargin;
};

// The document holding the UTF-8 lines, one per line, broken into pages as the paper printout
// is (PaginatePrintout with the layout's line and text height). A character code page 1250
// cannot hold prints as "?"; a line wider than the page is narrowed to fit rather than cut, its
// indentation kept. `titleUtf8` becomes the document's title.
std::string PrintoutPdf(const std::vector<std::string>& utf8Lines, std::string_view titleUtf8);

// What "Zapisz jako PDF" and `print --pdf` write: the printout of these settings (PrintoutLines,
// under that name and dated `dateDDMMYYYY`), titled "Wydruk ustawień: NAME".
std::string SettingsPdf(const ModuleSettings& s, std::string_view settingsNameUtf8,
                        std::string_view dateDDMMYYYY);

}  // namespace brenvox
