#include "settings/settings_table.h"

#include <gtest/gtest.h>

#include "settings/cp1250.h"

namespace brenvox {
namespace {

TEST(SettingsTable, RowsApplyOverTheTemplate) {
    ModuleSettings base;
    base.SMSC = "+48602951111";
    // A byte order mark, CR LF, quoted comma and quote, a \xHH escape, a line break in quotes,
    // empty cells, blank lines at the end.
    const auto r = ApplySettingsTable(
        "\xEF\xBB\xBFname,SMSC,INP32F,INP32S,TEST1SMS,OFFRING\r\n"
        "Łódź 1,,1,a\\x5Cb,\"x, \"\"y\"\"\",0\r\n"
        "b,+48600000000,,,\"two\nlines\",\n\n\n",
        base);
    ASSERT_TRUE(r.ok) << r.error;
    ASSERT_EQ(r.units.size(), 2u);
    const ModuleSettings& a = r.units[0].settings;
    EXPECT_EQ(r.units[0].name, "Łódź 1");
    EXPECT_EQ(a.SMSC, "+48602951111");
    EXPECT_EQ(a.slots[5].Function, SendSms);
    EXPECT_EQ(a.slots[5].SmsText, "a\\b");
    EXPECT_EQ(a.TEST1SMS, "x, \"y\"");
    EXPECT_FALSE(a.OFFRING);
    const ModuleSettings& b = r.units[1].settings;
    EXPECT_EQ(b.SMSC, "+48600000000");
    EXPECT_EQ(b.TEST1SMS, "two\nlines");
    EXPECT_EQ(b.slots[5], base.slots[5]);
    EXPECT_TRUE(b.OFFRING);
}

// Every kind of fault refuses the whole table and says where it is.
TEST(SettingsTable, RefusesWithRowAndColumn) {
    struct Case {
        const char* csv;
        std::size_t row, column;
    };
    const Case cases[] = {
        {"", 0, 0},
        {"unit,SMSC\n", 1, 1},                     // first column not "name"
        {"name,NOSUCH\n", 1, 2},                   // unknown key
        {"name,SMSC,SMSC\n", 1, 3},                // repeated column
        {"name,SMSC\na\n", 2, 2},                  // ragged: too few cells
        {"name,SMSC\na,1,2\n", 2, 3},              // ragged: too many
        {"name,SMSC\na,\"1\n", 2, 2},              // quote not closed
        {"name,SMSC\na,1\"2\n", 2, 2},             // quote inside a bare field
        {"name,SMSC\na,\"1\"2\n", 2, 2},           // text after the closing quote
        {"name,SMSC\na,\xC3(\n", 2, 2},            // not UTF-8
        {"name,SMSC\n,1\n", 2, 1},                 // empty name
        {"name,SMSC\na,1\nb,2\na,3\n", 4, 1},      // repeated name
        {"name,SMSC\nx/y,1\n", 2, 1},              // path separator
        {"name,SMSC\nx\\y,1\n", 2, 1},             // the other one
        {"name,SMSC\n..,1\n", 2, 1},               // parent folder
        {"name,SMSC\n\"a\tb\",1\n", 2, 1},         // control character
        {"name,SMSTRY\na,251\n", 2, 2},            // clamped by the settings
        {"name,SMSTRY\na,1e2\n", 2, 2},            // not a decimal integer
        {"name,INP11F\na,4294967297\n", 2, 2},     // outside 32 bits (a slot keeps the low half)
        {"name,TEST1TYPE\na,7\n", 2, 2},           // outside the function list
        {"name,ONALARM\na,yes\n", 2, 2},           // boolean other than 0/1
        {"name,PIN\na,12345\n", 2, 2},             // longer than can be typed
        {"name,INP11P\na,1234567890123\n", 2, 2},  // longer than the slot field
        {"name,INP11S\na,\xE2\x98\x83\n", 2, 2},   // no such character in code page 1250
        {"name,INP11S\na,a\\x4\n", 2, 2},          // broken escape
    };
    for (const Case& c : cases) {
        const auto r = ApplySettingsTable(c.csv, ModuleSettings{});
        EXPECT_FALSE(r.ok) << c.csv;
        EXPECT_TRUE(r.units.empty()) << c.csv;
        EXPECT_FALSE(r.error.empty()) << c.csv;
        EXPECT_EQ(r.row, c.row) << c.csv << ": " << r.error;
        EXPECT_EQ(r.columnNumber, c.column) << c.csv << ": " << r.error;
    }
}

}  // namespace
}  // namespace brenvox
