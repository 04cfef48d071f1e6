// The page's way into the core: a small C API that web/site/app.js calls. The page holds no text,
// limit or list of its own: Describe hands it the pages (settings_pages), the keys' ranges and
// the texts in the user's language, and every setting goes through the one ModuleSettings here,
// with the same clamping, cutting, checks, files, printout and runner as the program's.
//
// Strings go out as UTF-8 in a buffer that stays valid until the next call; byte results (a
// settings file, a PDF) in another, read through ResultBytes. Calls that wait for the browser
// (the port's opening, the dialogs of an operation's ending) are marked so in app.js.
#include <emscripten.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "brenvox_version.h"
#include "i18n/translate.h"
#include "operation/operation_runner.h"
#include "operation/progress_log.h"
#include "settings/cp1250.h"
#include "settings/messages.h"
#include "settings/module_settings.h"
#include "settings/printout.h"
#include "settings/printout_pdf.h"
#include "settings/settings_file.h"
#include "settings/settings_pages.h"

// What the page shows of an operation (web/src/brenvox_library.js).
extern "C" {
void brenvox_web_view_line(const char* text, int length);
void brenvox_web_view_clear();
void brenvox_web_view_running(int running);
void brenvox_web_view_information(const char* text, int length);  // waits for "OK"
int brenvox_web_view_pin(char* buf, int cap);                     // waits; -1 when cancelled
void brenvox_web_view_settings_read();
void brenvox_web_view_ended(int succeeded);
void brenvox_web_view_event();
}

namespace brenvox::web {
namespace {

// The page's own texts: those of the program's windows that the page shows as well, and the few
// that only the page needs (its port is chosen in the browser's picker, not by number).
struct PageText {
    const char* id;
    const char* polish;
};
constexpr PageText kTexts[] = {
    {"statusName", BRENVOX_TEXT(" Nazwa ustawień: ")},
    {"ok", BRENVOX_TEXT("OK")},
    {"no", BRENVOX_TEXT("Nie")},
    {"cancel", BRENVOX_TEXT("Anuluj")},
    {"close", BRENVOX_TEXT("Zamknij")},
    {"slotList", BRENVOX_TEXT("Wejścia modułu")},
    {"confirm", msg::kCaptionConfirm},
    {"info", msg::kCaptionInfo},
    {"offerSave", BRENVOX_TEXT("Czy zapisać aktualne ustawienia na dysk?")},
    {"newLine1", BRENVOX_TEXT("Opcja ta spowoduje usunięcie bieżących ustawień!")},
    {"newLine2", BRENVOX_TEXT("Czy potwierdzasz jej wykonanie?")},
    {"offerPrint", BRENVOX_TEXT("Czy wykonać wydruk ustawień?")},
    {"saveFailed", msg::kSaveFailed},
    {"openFailed", msg::kOpenFailed},
    {"progressCaption", BRENVOX_TEXT("Programowanie")},
    {"progressGroup", BRENVOX_TEXT(" Postęp programowania ")},
    {"repeat", BRENVOX_TEXT("Powtórz")},
    {"abort", BRENVOX_TEXT("Przerwij")},
    {"pinCaption", progress::kPinDialogCaption.data()},
    {"pinText", progress::kPinDialogText.data()},
    {"choosePort", BRENVOX_TEXT("Wybierz port")},
    {"portLabel", BRENVOX_TEXT("Port szeregowy modułu:")},
    {"portNone", BRENVOX_TEXT("wybierany w oknie przeglądarki przy pierwszej operacji")},
    {"portChosen", BRENVOX_TEXT("port wybrany w przeglądarce")},
    {"portUsb", BRENVOX_TEXT("USB %1:%2")},
    {"noSerial1", BRENVOX_TEXT("Ta przeglądarka nie ma dostępu do portów szeregowych.")},
    {"noSerial2", BRENVOX_TEXT("Otwórz stronę w przeglądarce Chrome, Edge lub Opera na komputerze.")},
};

ModuleSettings gSettings;
ModuleSettings gBaseline;  // as last loaded, saved, made new or read: what "unsaved edits" differ from
std::string gName;         // UTF-8
std::string gOut;          // the last string result
std::string gBytes;        // the last byte result

const char* Out(std::string s) {
    gOut = std::move(s);
    return gOut.c_str();
}

void Json(std::string& o, std::string_view s) {
    o += '"';
    for (const char c : s) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            o += '\\';
            o += c;
        } else if (b < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", b);
            o += buf;
        } else {
            o += c;
        }
    }
    o += '"';
}

void Field(std::string& o, std::string_view name, std::string_view value) {
    Json(o, name);
    o += ':';
    Json(o, value);
}

std::string TrText(const char* polish) {
    return polish ? std::string(Tr(polish)) : std::string();
}

const char* CommandName(pages::Command c) {
    switch (c) {
        case pages::Command::New:
            return "new";
        case pages::Command::Print:
            return "print";
        case pages::Command::SavePdf:
            return "pdf";
        case pages::Command::Archive:
            return "archive";
        case pages::Command::Open:
            return "open";
        case pages::Command::Save:
            return "save";
        case pages::Command::SaveAs:
            return "saveAs";
        case pages::Command::Preset:
            return "preset";
        case pages::Command::Program:
            return "program";
        case pages::Command::Compare:
            return "compare";
        case pages::Command::Read:
            return "read";
    }
    return "";
}

const char* KindName(pages::ItemKind k) {
    switch (k) {
        case pages::ItemKind::Text:
            return "text";
        case pages::ItemKind::Note:
            return "note";
        case pages::ItemKind::Edit:
            return "edit";
        case pages::ItemKind::Spin:
            return "spin";
        case pages::ItemKind::Functions:
            return "functions";
        case pages::ItemKind::Check:
            return "check";
        case pages::ItemKind::Choice:
            return "choice";
        case pages::ItemKind::Command:
            return "command";
        case pages::ItemKind::SlotList:
            return "slotList";
        case pages::ItemKind::InputDescription:
            return "inputDescription";
        case pages::ItemKind::PortChoice:
            return "portChoice";
    }
    return "";
}

void Item(std::string& o, const pages::Item& item) {
    o += '{';
    Field(o, "kind", KindName(item.kind));
    if (item.text) {
        o += ',';
        Field(o, "text", TrText(item.text));
    }
    if (item.key) {
        o += ',';
        Field(o, "key", item.key);
    }
    if (item.slotField) o += ",\"slotField\":true";
    if (item.kind == pages::ItemKind::Edit) o += ",\"maxLength\":" + std::to_string(item.maxLength);
    if (item.kind == pages::ItemKind::Choice) o += ",\"value\":" + std::to_string(item.value);
    if (item.kind == pages::ItemKind::Command) {
        o += ',';
        Field(o, "command", CommandName(item.command));
    }
    if (item.argument) {
        o += ',';
        Field(o, "argument", item.argument);
    }
    o += '}';
}

std::string Describe() {
    std::string o = "{";
    Field(o, "lang", LanguageCode(CurrentLanguage()));
    o += ',';
    Field(o, "caption", msg::kProgramCaption);
    o += ",\"progressMax\":" + std::to_string(progress::kProgressMax);
    o += ",\"pinLength\":" + std::to_string(kPinTypeMax);
    // The numbers the page gives brenvox_operation_check for each operation.
    o += ",\"modes\":{\"program\":" + std::to_string(static_cast<int>(OperationMode::Program)) +
         ",\"compare\":" + std::to_string(static_cast<int>(OperationMode::Compare)) +
         ",\"read\":" + std::to_string(static_cast<int>(OperationMode::Read)) + '}';
    o += ",\"texts\":{";
    for (size_t i = 0; i < std::size(kTexts); ++i) {
        if (i) o += ',';
        Field(o, kTexts[i].id, TrText(kTexts[i].polish));
    }
    o += "},\"functions\":[";
    for (int f = 0; f < kSlotFunctionCount; ++f) {
        if (f) o += ',';
        Json(o, SlotFunctionName(f));
    }
    o += "],\"slots\":[";
    for (int i = 0; i < kSlotCount; ++i) {
        if (i) o += ',';
        const SlotInfo& s = SlotInfoOf(i);
        o += '{';
        Field(o, "key", s.keyPrefix);
        o += ',';
        Field(o, "text", TrText(s.listText));
        o += ",\"input\":" + std::to_string(s.input) + '}';
    }
    o += "],\"inputs\":[";
    for (int input = 1; input <= pages::kModuleInputs; ++input) {
        const pages::InputTexts& t = pages::InputTextsOf(input);
        if (input > 1) o += ',';
        o += '[';
        for (const char* text : {t.line1, t.line2, t.line3, t.opening, t.closing}) {
            if (text != t.line1) o += ',';
            Json(o, TrText(text));
        }
        o += ']';
    }
    // Each integer key's range, as the model clamps it.
    o += "],\"ranges\":{";
    for (int k = 0; k < kIntSettingCount; ++k) {
        const IntRange r = IntRangeOf(static_cast<IntSetting>(k));
        if (k) o += ',';
        Json(o, IntSettingName(static_cast<IntSetting>(k)));
        o += ":[" + std::to_string(r.min) + ',' + std::to_string(r.max) + ']';
    }
    o += "},\"pages\":[";
    bool firstPage = true;
    for (const pages::Page& page : pages::SettingsPages()) {
        if (!firstPage) o += ',';
        firstPage = false;
        o += '{';
        Field(o, "caption", TrText(page.caption));
        o += ",\"groups\":[";
        for (size_t g = 0; g < page.groups.size(); ++g) {
            if (g) o += ',';
            o += '{';
            if (page.groups[g].title) {
                Field(o, "title", TrText(page.groups[g].title));
                o += ',';
            }
            o += "\"rows\":[";
            for (size_t r = 0; r < page.groups[g].rows.size(); ++r) {
                if (r) o += ',';
                o += '[';
                for (size_t i = 0; i < page.groups[g].rows[r].size(); ++i) {
                    if (i) o += ',';
                    Item(o, page.groups[g].rows[r][i]);
                }
                o += ']';
            }
            o += "]}";
        }
        o += "]}";
    }
    o += "]}";
    return o;
}

std::string Message(std::string_view caption, std::string_view line1, std::string_view line2) {
    std::string o = "{";
    Field(o, "caption", caption);
    o += ',';
    Field(o, "line1", line1);
    o += ',';
    Field(o, "line2", line2);
    return o + '}';
}

// A file the page opens goes through the core's reader, as the program's does, on the page's
// in-memory file system; the page moves the bytes to and from the person's disk.
constexpr const char* kScratch = "/tmp/brenvox-settings";

// ---- Operations ----

class PageView final : public OperationView {
public:
    // The failed check as {caption, line1, line2}, for brenvox_operation_check to hand the page.
    std::string refusal;

    void SettingsRefused(const ValidationFailure& failure) override {
        refusal = Message(failure.caption, failure.line1, failure.line2);
    }
    void AddLine(std::string_view line) override {
        brenvox_web_view_line(line.data(), static_cast<int>(line.size()));
    }
    void ClearLog() override { brenvox_web_view_clear(); }
    void TransferStarted() override { brenvox_web_view_running(1); }
    void TransferStopped(LinkOutcome) override { brenvox_web_view_running(0); }
    void ShowInformation(std::string_view text) override {
        brenvox_web_view_information(text.data(), static_cast<int>(text.size()));
    }
    std::optional<std::string> AskModulePin() override {
        char buf[64];
        const int n = brenvox_web_view_pin(buf, static_cast<int>(sizeof buf));
        if (n < 0 || n > static_cast<int>(sizeof buf)) return std::nullopt;
        return std::string(buf, static_cast<size_t>(n));
    }
    void SettingsRead(const ModuleSettings& settings) override {
        // What the module holds is now what the editor holds, and what edits are counted from.
        gSettings = settings;
        gBaseline = settings;
        brenvox_web_view_settings_read();
    }
    void OperationEnded(const OperationResult& result) override {
        brenvox_web_view_ended(result.status() == OperationStatus::Succeeded);
    }
    void WorkerEvent() override { brenvox_web_view_event(); }
};

PageView gView;
OperationRunner& Runner() {
    // Made once and kept while the page is open: a transfer may be under way inside it.
    static OperationRunner* runner = new OperationRunner(gView);
    return *runner;
}

}  // namespace
}  // namespace brenvox::web

using namespace brenvox;
using namespace brenvox::web;

extern "C" {

EMSCRIPTEN_KEEPALIVE void brenvox_start() {
    SetLanguage(SystemLanguage());
    ResetSettings(gSettings);
    gBaseline = gSettings;
    gName = Tr(msg::kNewSettingsName);
}

EMSCRIPTEN_KEEPALIVE const char* brenvox_describe() {
    return Out(Describe());
}

EMSCRIPTEN_KEEPALIVE const char* brenvox_name() {
    return gName.c_str();
}

// A setting's value as its control shows it: text in UTF-8, a number in decimal, a flag 1 or 0.
EMSCRIPTEN_KEEPALIVE const char* brenvox_get(const char* key) {
    const SettingKey* k = FindSettingKey(key);
    if (!k) return Out({});
    switch (k->kind) {
        case ValueKind::String:
            return Out(Cp1250ToUtf8(GetString(gSettings, *k)));
        case ValueKind::Integer:
            return Out(std::to_string(GetInt(gSettings, *k)));
        case ValueKind::Boolean:
            return Out(GetBool(gSettings, *k) ? "1" : "0");
    }
    return Out({});
}

// Stores what a control holds. 0 when the text holds a character code page 1250 cannot (the
// control then takes back the stored value, as the program refuses such a character where it is
// typed). A number that is no whole number reads as the range's minimum; the model clamps.
EMSCRIPTEN_KEEPALIVE int brenvox_set(const char* key, const char* value) {
    const SettingKey* k = FindSettingKey(key);
    if (!k) return 0;
    switch (k->kind) {
        case ValueKind::String: {
            const Cp1250Result r = Utf8ToCp1250(value);
            if (!r.ok) return 0;
            SetString(gSettings, *k, r.bytes);
            return 1;
        }
        case ValueKind::Integer: {
            char* end = nullptr;
            const long long v = std::strtoll(value, &end, 10);
            const bool whole = end && end != value && *end == '\0';
            SetInt(gSettings, *k, whole ? v : INT64_MIN);
            return 1;
        }
        case ValueKind::Boolean:
            SetBool(gSettings, *k, value[0] == '1');
            return 1;
    }
    return 0;
}

EMSCRIPTEN_KEEPALIVE void brenvox_new() {
    ResetSettings(gSettings);
    gBaseline = gSettings;
    gName = Tr(msg::kNewSettingsName);
}

EMSCRIPTEN_KEEPALIVE int brenvox_edited() {
    return gSettings != gBaseline;
}

// Reads a settings file's bytes as "Odczytaj" reads a file; the message to show, or empty.
EMSCRIPTEN_KEEPALIVE const char* brenvox_open_file(const uint8_t* data, int length, const char* name) {
    std::FILE* f = std::fopen(kScratch, "wb");
    const bool written =
        f && std::fwrite(data, 1, static_cast<size_t>(length), f) == static_cast<size_t>(length);
    if (f) std::fclose(f);
    gName = name;
    const ReadOutcome outcome = written ? ReadSettingsFile(kScratch, gSettings) : ReadOutcome::OpenFailed;
    std::remove(kScratch);
    switch (outcome) {
        case ReadOutcome::Ok:
            gBaseline = gSettings;
            return Out({});
        case ReadOutcome::OpenFailed:
            return Out(Message(Tr(msg::kCaptionConfirm), Tr(msg::kOpenFailed), {}));
        case ReadOutcome::ReadError:
            brenvox_new();
            return Out(Message(Tr(msg::kCaptionConfirm), Tr(msg::kReadError), Tr(msg::kDefaultsRestored)));
    }
    return Out({});
}

// The settings file's bytes, as the program and `brenvox-cli` write them; -1 when they could not
// be made. Nothing changes until the page has kept them (brenvox_saved).
EMSCRIPTEN_KEEPALIVE int brenvox_file_bytes() {
    std::optional<std::string> bytes = SettingsFileBytes(gSettings);
    if (!bytes) return -1;
    gBytes = std::move(*bytes);
    return static_cast<int>(gBytes.size());
}

// The bytes were kept under `name` (empty: under the name they have).
EMSCRIPTEN_KEEPALIVE void brenvox_saved(const char* name) {
    if (name && *name) gName = name;
    gBaseline = gSettings;
}

// The printout as the PDF that "Zapisz jako PDF" writes, dated today.
EMSCRIPTEN_KEEPALIVE int brenvox_pdf_bytes() {
    gBytes = SettingsPdf(gSettings, gName, PrintDate());
    return static_cast<int>(gBytes.size());
}

EMSCRIPTEN_KEEPALIVE const uint8_t* brenvox_result_bytes() {
    return reinterpret_cast<const uint8_t*>(gBytes.data());
}

// ---- One operation with the module, as the progress window runs it ----

// The operation's request handed to the runner, whose check of the settings comes first: the
// first check that fails, as {caption, line1, line2}; empty when every check passes and the
// operation may open.
EMSCRIPTEN_KEEPALIVE const char* brenvox_operation_check(int mode, const char* device) {
    OperationRequest request;
    request.mode = static_cast<OperationMode>(mode);
    request.port.device = device;
    request.settings = gSettings;
    // As in the program's window: a compare that finds the module different lists the settings
    // that differ (after the module PIN, when the module has one).
    request.reportDifferences = request.mode == OperationMode::Compare;
    gView.refusal.clear();
    Runner().Check(request);
    return Out(gView.refusal);
}

// Waits for the port's opening. 1 when a transfer can start.
EMSCRIPTEN_KEEPALIVE int brenvox_operation_open() {
    return Runner().Open();
}

EMSCRIPTEN_KEEPALIVE int brenvox_operation_start() {
    return Runner().Start();
}

EMSCRIPTEN_KEEPALIVE void brenvox_operation_abort() {
    Runner().Abort();
}

// May wait for the person (the information dialogs, the module PIN).
EMSCRIPTEN_KEEPALIVE void brenvox_operation_pump() {
    Runner().Pump();
}

EMSCRIPTEN_KEEPALIVE void brenvox_operation_close() {
    Runner().Close();
}

EMSCRIPTEN_KEEPALIVE int brenvox_operation_bar() {
    return Runner().barPosition();
}

EMSCRIPTEN_KEEPALIVE int brenvox_operation_running() {
    return Runner().workerRunning();
}

}  // extern "C"
