#pragma once
// What the eight pages of the program show, without Qt: the page captions, the titles of their
// groups, the fixed texts, the setting each field edits (its range, list and typing limit come
// from module_settings through the key), the commands, and the texts that describe each module
// input in the slot editor. The page in the browser is drawn from this at run time, so it shows
// the program's own texts, ranges and lists and never a copy of them. Texts are the Polish ones,
// marked for the catalogue; a face shows them through Tr.
#include <cstddef>
#include <vector>

namespace brenvox::pages {

enum class ItemKind {
    Text,              // a fixed label (bold, as the program's labels are)
    Note,              // a fixed remark in plain type
    Edit,              // a text field of `key`; typing stops at `maxLength` characters
    Spin,              // a whole number of `key`, within the key's range (IntRangeOf)
    Functions,         // the function list of `key` (SlotFunctionName, in value order)
    Check,             // a check box of the boolean `key`, captioned `text`
    Choice,            // one option of a group: chosen when `key` holds `value`, captioned `text`
    Command,           // a button captioned `text`
    SlotList,          // the sixteen input events (SlotInfoOf: list texts and key prefixes)
    InputDescription,  // the three lines of InputTextsOf for the selected event's input
    PortChoice,        // where the module is attached: each face's own way of choosing the port
};

enum class Command { New, Print, SavePdf, Archive, Open, Save, SaveAs, Preset, Program, Compare, Read };

struct Item {
    ItemKind kind;
    const char* text = nullptr;  // Polish; a Choice of the slot editor has none (see InputTexts)
    // The settings key. In the slot editor: the field's suffix ("C", "F", "R", "P", "S", "L")
    // of the selected event, whose key is its SlotInfoOf(i).keyPrefix followed by the suffix.
    const char* key = nullptr;
    bool slotField = false;
    std::size_t maxLength = 0;  // Edit
    int value = 0;              // Choice (booleans: 1 true, 0 false)
    Command command = Command::New;
    const char* argument = nullptr;  // Preset: the SMS centre number it puts in
};

using Row = std::vector<Item>;

struct Group {
    const char* title = nullptr;  // nullptr: no frame (the slot list beside the groups)
    std::vector<Row> rows;
};

struct Page {
    const char* caption;  // "1.Pliki" .. "8.Moduł" ("7.RING " ends in a blank)
    std::vector<Group> groups;
};

// The eight pages in their order.
const std::vector<Page>& SettingsPages();

// The module's inputs, numbered from 1.
inline constexpr int kModuleInputs = 7;

// What the slot editor says of a module input (1..kModuleInputs): three lines of description, and the
// captions of the two reactions (value 0, the input opens; value 1, it closes).
struct InputTexts {
    const char* line1;
    const char* line2;
    const char* line3;
    const char* opening;
    const char* closing;
};
const InputTexts& InputTextsOf(int input);

// The SMS centre numbers the buttons of page "2.SIM" put in, by the operator's name on the button.
struct SmsCentrePreset {
    const char* name;
    const char* number;
};
inline constexpr SmsCentrePreset kSmsCentrePresets[] = {
    {"EraGSM", "+48602951111"},
    {"PlusGSM", "+48601000310"},
    {"Idea", "+48501200777"},
};

}  // namespace brenvox::pages
