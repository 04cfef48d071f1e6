// The PDF writer's structure, which readers forgive silently (they rebuild a broken
// cross-reference table) but other tools and printers do not: every offset and length exact.
// What the pages say is read back by pdftotext in the CLI's tests.
#include "settings/printout_pdf.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace brenvox {
namespace {

// The objects the cross-reference table points at, checked against the text they point into.
void ExpectConsistentXref(const std::string& pdf) {
    const std::size_t startxref = pdf.rfind("startxref\n");
    ASSERT_NE(startxref, std::string::npos);
    const std::size_t xref = std::stoul(pdf.substr(startxref + 10));
    ASSERT_EQ(pdf.compare(xref, 5, "xref\n"), 0);
    std::size_t pos = pdf.find('\n', xref + 5);
    const int count = std::stoi(pdf.substr(xref + 7, pos - xref - 7));
    ++pos;
    ASSERT_EQ(pdf.compare(pos, 20, "0000000000 65535 f \n"), 0);
    for (int n = 1; n < count; ++n) {
        const std::string entry = pdf.substr(pos + 20 * static_cast<std::size_t>(n), 20);
        ASSERT_EQ(entry.substr(10), " 00000 n \n") << n;
        const std::size_t at = std::stoul(entry.substr(0, 10));
        const std::string head = std::to_string(n) + " 0 obj\n";
        EXPECT_EQ(pdf.compare(at, head.size(), head), 0) << "object " << n;
    }
    EXPECT_NE(pdf.find("/Size " + std::to_string(count) + " "), std::string::npos);
}

// Each stream's /Length is the number of bytes between "stream\n" and "endstream".
void ExpectExactLengths(const std::string& pdf) {
    int streams = 0;
    for (std::size_t at = pdf.find("/Length "); at != std::string::npos; at = pdf.find("/Length ", at + 1)) {
        const std::size_t length = std::stoul(pdf.substr(at + 8));
        const std::size_t begin = pdf.find("stream\n", at) + 7;
        EXPECT_EQ(pdf.compare(begin + length, 9, "endstream"), 0);
        ++streams;
    }
    EXPECT_GT(streams, 0);
}

TEST(PrintoutPdf, CrossReferencesAndLengthsAreExactForOneAndManyPages) {
    for (const std::size_t lineCount : {std::size_t{1}, std::size_t{104}, std::size_t{400}}) {
        std::vector<std::string> lines;
        for (std::size_t i = 0; i < lineCount; ++i)
            lines.push_back(i % 7 ? "    Linia " + std::to_string(i) : "");
        const std::string pdf = PrintoutPdf(lines, "Zażółć");
        ExpectConsistentXref(pdf);
        ExpectExactLengths(pdf);
        EXPECT_EQ(pdf.compare(0, 9, "%PDF-1.4\n"), 0);
        EXPECT_EQ(pdf.substr(pdf.size() - 6), "%%EOF\n");
    }
}

TEST(PrintoutPdf, TextIsCodePage1250WithStringDelimitersEscaped) {
    const std::string pdf = PrintoutPdf({"Łódź (a\\b) – 5€ Ω"}, "t");
    // Ł ó d ź in code page 1250, the en dash and the euro sign from its 0x80 row; Ω, which the
    // code page lacks, as "?"; parentheses and the backslash escaped.
    EXPECT_NE(pdf.find("(\xA3\xF3"
                       "d\x9F \\(a\\\\b\\) \x96 5\x80 ?) Tj"),
              std::string::npos);
    EXPECT_NE(pdf.find("/Differences [128 /Euro "), std::string::npos);
}

}  // namespace
}  // namespace brenvox
