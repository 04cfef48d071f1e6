#include "settings/settings_pages.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "settings/module_settings.h"

namespace brenvox::pages {
namespace {

// The page in the browser shows exactly what these pages describe: a setting missing here can
// be neither seen nor changed there, and a key that names no setting shows nothing.
TEST(SettingsPages, EverySettingHasOneFieldOfItsKind) {
    std::map<std::string, int> fields;  // key -> controls that edit it (a Choice pair counts once)
    for (const Page& page : SettingsPages())
        for (const Group& group : page.groups)
            for (const Row& row : group.rows)
                for (const Item& item : row) {
                    if (!item.key) continue;
                    const std::string key =
                        item.slotField ? SlotInfoOf(0).keyPrefix + std::string(item.key) : item.key;
                    const SettingKey* k = FindSettingKey(key);
                    ASSERT_NE(k, nullptr) << key;
                    switch (item.kind) {
                        case ItemKind::Edit:
                            EXPECT_EQ(k->kind, ValueKind::String) << key;
                            EXPECT_GT(item.maxLength, 0u) << key;
                            break;
                        case ItemKind::Spin:
                        case ItemKind::Functions:
                            EXPECT_EQ(k->kind, ValueKind::Integer) << key;
                            break;
                        case ItemKind::Check:
                            EXPECT_EQ(k->kind, ValueKind::Boolean) << key;
                            break;
                        case ItemKind::Choice:
                            EXPECT_NE(k->kind, ValueKind::String) << key;
                            if (item.value != 0) continue;
                            break;
                        default:
                            ADD_FAILURE() << key << " on an item that edits nothing";
                    }
                    ++fields[key];
                }
    for (const SettingKey& k : SettingKeys()) {
        if (k.slot > 0) continue;  // the slot editor shows every event through the fields of the first
        EXPECT_EQ(fields[k.name], 1) << k.name;
    }
}

TEST(SettingsPages, EightPagesInTheProgramsOrder) {
    const char* captions[] = {"1.Pliki", "2.SIM",  "3.Wejścia", "4.Wyjście",
                              "5.SMS",   "6.TEST", "7.RING ",   "8.Moduł"};
    ASSERT_EQ(SettingsPages().size(), std::size(captions));
    for (size_t i = 0; i < std::size(captions); ++i) EXPECT_STREQ(SettingsPages()[i].caption, captions[i]);
    // Inputs 4 to 7 share their description but for the first line.
    EXPECT_STREQ(InputTextsOf(3).opening, "Rozwarcie - Koniec alarmu");
    EXPECT_STREQ(InputTextsOf(7).line1, "Wejście 7 - Uniwersalne nr 4  (zwierne do masy 0V).");
    EXPECT_STREQ(InputTextsOf(7).closing, InputTextsOf(4).closing);
}

}  // namespace
}  // namespace brenvox::pages
