#include "settings/printout_pdf.h"

#include <algorithm>
#include <cstdio>

#include "settings/cp1250.h"
#include "settings/printout.h"

namespace brenvox {
namespace {

using L = PdfPageLayout;

// Glyph names of the code page 1250 bytes 0x80..0xFF, in byte order, as the Differences of the
// font's encoding: the base encoding (WinAnsi) agrees with code page 1250 only below 0x80. The
// five bytes the code page leaves undefined are never written (TextBytes), so .notdef stands
// there. Courier, like every standard font, holds each of these glyphs.
constexpr const char* kCp1250Glyphs[128] = {
    // 0x80
    "Euro",
    ".notdef",
    "quotesinglbase",
    ".notdef",
    "quotedblbase",
    "ellipsis",
    "dagger",
    "daggerdbl",
    ".notdef",
    "perthousand",
    "Scaron",
    "guilsinglleft",
    "Sacute",
    "Tcaron",
    "Zcaron",
    "Zacute",
    // 0x90
    ".notdef",
    "quoteleft",
    "quoteright",
    "quotedblleft",
    "quotedblright",
    "bullet",
    "endash",
    "emdash",
    ".notdef",
    "trademark",
    "scaron",
    "guilsinglright",
    "sacute",
    "tcaron",
    "zcaron",
    "zacute",
    // 0xA0 (the no-break space and the soft hyphen print as their plain forms)
    "space",
    "caron",
    "breve",
    "Lslash",
    "currency",
    "Aogonek",
    "brokenbar",
    "section",
    "dieresis",
    "copyright",
    "Scedilla",
    "guillemotleft",
    "logicalnot",
    "hyphen",
    "registered",
    "Zdotaccent",
    // 0xB0
    "degree",
    "plusminus",
    "ogonek",
    "lslash",
    "acute",
    "mu",
    "paragraph",
    "periodcentered",
    "cedilla",
    "aogonek",
    "scedilla",
    "guillemotright",
    "Lcaron",
    "hungarumlaut",
    "lcaron",
    "zdotaccent",
    // 0xC0
    "Racute",
    "Aacute",
    "Acircumflex",
    "Abreve",
    "Adieresis",
    "Lacute",
    "Cacute",
    "Ccedilla",
    "Ccaron",
    "Eacute",
    "Eogonek",
    "Edieresis",
    "Ecaron",
    "Iacute",
    "Icircumflex",
    "Dcaron",
    // 0xD0
    "Dcroat",
    "Nacute",
    "Ncaron",
    "Oacute",
    "Ocircumflex",
    "Ohungarumlaut",
    "Odieresis",
    "multiply",
    "Rcaron",
    "Uring",
    "Uacute",
    "Uhungarumlaut",
    "Udieresis",
    "Yacute",
    "Tcommaaccent",
    "germandbls",
    // 0xE0
    "racute",
    "aacute",
    "acircumflex",
    "abreve",
    "adieresis",
    "lacute",
    "cacute",
    "ccedilla",
    "ccaron",
    "eacute",
    "eogonek",
    "edieresis",
    "ecaron",
    "iacute",
    "icircumflex",
    "dcaron",
    // 0xF0
    "dcroat",
    "nacute",
    "ncaron",
    "oacute",
    "ocircumflex",
    "ohungarumlaut",
    "odieresis",
    "divide",
    "rcaron",
    "uring",
    "uacute",
    "uhungarumlaut",
    "udieresis",
    "yacute",
    "tcommaaccent",
    "dotaccent",
};

// Every Courier glyph is 600/1000 of the font size wide.
constexpr double kCharWidth = L::kFontSize * 0.6;

// One line as the bytes of a PDF string: code page 1250, with what a PDF string or the page
// cannot show replaced (controls, characters the code page lacks).
std::string TextBytes(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t cp = NextCodePoint(utf8, i);
        unsigned char b = '?';
        if (cp >= 0x20 && cp != 0x7F) {
            if (const auto mapped = UnicodeToCp1250(cp)) b = *mapped;
        }
        if (b >= 0x80 && b < 0xA0 && kCp1250Glyphs[b - 0x80][0] == '.') b = '?';
        out += static_cast<char>(b);
    }
    return out;
}

// A literal string: parentheses and the backslash escaped, everything else as it is.
std::string PdfString(const std::string& bytes) {
    std::string out = "(";
    for (char c : bytes) {
        if (c == '(' || c == ')' || c == '\\') out += '\\';
        out += c;
    }
    out += ')';
    return out;
}

// The title as a text string a reader shows whatever its letters: UTF-16BE with its byte order
// mark, in hex.
std::string PdfTextString(std::string_view utf8) {
    std::string out = "<FEFF";
    char buf[8];
    auto unit = [&](unsigned u) {
        std::snprintf(buf, sizeof buf, "%04X", u);
        out += buf;
    };
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp = NextCodePoint(utf8, i);
        if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            unit(0xD800 + static_cast<unsigned>(cp >> 10));
            unit(0xDC00 + static_cast<unsigned>(cp & 0x3FF));
        } else {
            unit(static_cast<unsigned>(cp));
        }
    }
    out += '>';
    return out;
}

std::string Number(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    return buf;
}

// The drawing of one page: each line at the left margin, its top where the paginator put it.
std::string PageContent(const std::vector<PrintedLine>& lines) {
    std::string s = "BT\n/F1 " + std::to_string(L::kFontSize) + " Tf\n";
    // The baseline sits 9 of the line's 12 points below its top (Courier's ascent at 10 pt).
    constexpr int kBaselineDrop = L::kLineHeight * 3 / 4;
    const int top = L::kPageHeight - L::kMargin;
    for (const PrintedLine& line : lines) {
        // The indentation stays full width, so that a narrowed line (below) keeps its column.
        std::string bytes = TextBytes(line.text);
        const std::size_t indent = std::min(bytes.find_first_not_of(' '), bytes.size());
        bytes.erase(0, indent);
        const double x = L::kMargin + static_cast<double>(indent) * kCharWidth;
        s += "1 0 0 1 " + Number(x) + ' ' + std::to_string(top - line.y - kBaselineDrop) + " Tm\n";
        const double room = L::kTextWidth - static_cast<double>(indent) * kCharWidth;
        const double width = static_cast<double>(bytes.size()) * kCharWidth;
        const bool narrowed = width > room;
        if (narrowed) s += Number(100.0 * room / width) + " Tz\n";
        s += PdfString(bytes) + " Tj\n";
        if (narrowed) s += "100 Tz\n";
    }
    s += "ET\n";
    return s;
}

}  // namespace

std::string PrintoutPdf(const std::vector<std::string>& utf8Lines, std::string_view titleUtf8) {
    const std::vector<std::vector<PrintedLine>> pages =
        PaginatePrintout(utf8Lines, L::kLineHeight, L::kTextHeight);

    // Objects 1..5 are the catalog, the page tree, the font, its encoding and the document's
    // information; then each page and its content stream.
    constexpr int kFirstPage = 6;
    const int objectCount = kFirstPage - 1 + 2 * static_cast<int>(pages.size());
    std::vector<std::size_t> offsets(static_cast<std::size_t>(objectCount) + 1, 0);

    // The second line's bytes above 0x7F tell transfer programs the file is binary.
    std::string pdf = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    auto object = [&](int number, const std::string& body) {
        offsets[static_cast<std::size_t>(number)] = pdf.size();
        pdf += std::to_string(number) + " 0 obj\n" + body + "\nendobj\n";
    };

    object(1, "<< /Type /Catalog /Pages 2 0 R >>");
    std::string kids;
    for (std::size_t p = 0; p < pages.size(); ++p)
        kids += (p ? " " : "") + std::to_string(kFirstPage + 2 * static_cast<int>(p)) + " 0 R";
    object(2, "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages.size()) + " >>");
    object(3, "<< /Type /Font /Subtype /Type1 /BaseFont /Courier /Encoding 4 0 R >>");
    std::string differences = "128";
    for (const char* glyph : kCp1250Glyphs) differences += std::string(" /") + glyph;
    object(4, "<< /Type /Encoding /BaseEncoding /WinAnsiEncoding /Differences [" + differences + "] >>");
    object(5, "<< /Title " + PdfTextString(titleUtf8) + " /Producer (Brenvox) >>");

    for (std::size_t p = 0; p < pages.size(); ++p) {
        const int page = kFirstPage + 2 * static_cast<int>(p);
        object(page, "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + std::to_string(L::kPageWidth) + ' ' +
                         std::to_string(L::kPageHeight) +
                         "] /Resources << /Font << /F1 3 0 R >> >> /Contents " + std::to_string(page + 1) +
                         " 0 R >>");
        const std::string content = PageContent(pages[p]);
        object(page + 1,
               "<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content + "endstream");
    }

    // Every cross-reference entry is exactly 20 bytes, its end of line included.
    const std::size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(objectCount + 1) + "\n0000000000 65535 f \n";
    char entry[24];
    for (int n = 1; n <= objectCount; ++n) {
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offsets[static_cast<std::size_t>(n)]);
        pdf += entry;
    }
    pdf += "trailer\n<< /Size " + std::to_string(objectCount + 1) +
           " /Root 1 0 R /Info 5 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return pdf;
}

std::string SettingsPdf(const ModuleSettings& s, std::string_view settingsNameUtf8,
                        std::string_view dateDDMMYYYY) {
    std::string title = "Wydruk ustawień: ";
    title += settingsNameUtf8;
    return PrintoutPdf(PrintoutLines(s, settingsNameUtf8, dateDDMMYYYY), title);
}

}  // namespace brenvox
