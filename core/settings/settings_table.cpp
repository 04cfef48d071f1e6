#include "settings/settings_table.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <unordered_set>

#include "i18n/translate.h"
#include "settings/cp1250.h"

namespace brenvox {
namespace {

// The settings file stores a string's length in one byte.
constexpr std::size_t kStoredStringMax = 255;

// Splits RFC 4180 text into records of fields. Records end at CR LF or a lone LF (files saved
// on other systems); a line break after the last record is optional. On a quoting fault returns
// the record and field where it happened.
struct CsvFault {
    std::size_t row, column;
    std::string error;
};

std::optional<CsvFault> SplitCsv(std::string_view s, std::vector<std::vector<std::string>>& records) {
    std::size_t i = 0;
    const std::size_t n = s.size();
    while (i < n) {
        std::vector<std::string>& fields = records.emplace_back();
        for (;;) {
            std::string& field = fields.emplace_back();
            if (i < n && s[i] == '"') {
                ++i;
                for (;;) {
                    if (i >= n)
                        return CsvFault{records.size(), fields.size(),
                                        TrText(BRENVOX_TEXT("pole w cudzysłowie nie jest zamknięte"))};
                    if (s[i] == '"') {
                        if (i + 1 < n && s[i + 1] == '"') {
                            field += '"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    field += s[i++];
                }
                if (i < n && s[i] != ',' && s[i] != '\n' && !(s[i] == '\r' && i + 1 < n && s[i + 1] == '\n'))
                    return CsvFault{records.size(), fields.size(),
                                    TrText(BRENVOX_TEXT("tekst po zamykającym cudzysłowie"))};
            } else {
                const std::size_t start = i;
                while (i < n && s[i] != ',' && s[i] != '\n' && s[i] != '\r' && s[i] != '"') ++i;
                field.assign(s.substr(start, i - start));
                if (i < n && s[i] == '"')
                    return CsvFault{records.size(), fields.size(),
                                    TrText(BRENVOX_TEXT("cudzysłów wewnątrz pola bez cudzysłowów"))};
                if (i < n && s[i] == '\r' && !(i + 1 < n && s[i + 1] == '\n'))
                    return CsvFault{records.size(), fields.size(),
                                    TrText(BRENVOX_TEXT("znak powrotu karetki (CR) poza cudzysłowem"))};
            }
            if (i < n && s[i] == ',') {
                ++i;
                continue;
            }
            break;
        }
        if (i < n && s[i] == '\r') ++i;
        if (i < n && s[i] == '\n') ++i;
    }
    return std::nullopt;
}

// Walks UTF-8 text; false on a malformed sequence. `control` is set when a C0 or C1 control
// character (or DEL) occurs.
bool Utf8Check(std::string_view s, bool& control) {
    control = false;
    for (std::size_t i = 0; i < s.size();) {
        const auto b0 = static_cast<unsigned char>(s[i]);
        if (b0 < 0x80) {
            if (b0 < 0x20 || b0 == 0x7F) control = true;
            ++i;
            continue;
        }
        int extra;
        char32_t cp, min;
        if ((b0 & 0xE0) == 0xC0)
            extra = 1, cp = b0 & 0x1F, min = 0x80;
        else if ((b0 & 0xF0) == 0xE0)
            extra = 2, cp = b0 & 0x0F, min = 0x800;
        else if ((b0 & 0xF8) == 0xF0)
            extra = 3, cp = b0 & 0x07, min = 0x10000;
        else
            return false;
        ++i;
        for (int k = 0; k < extra; ++k, ++i) {
            if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        if (cp >= 0x80 && cp <= 0x9F) control = true;
    }
    return true;
}

// A unit's name becomes a file name inside the output folder: it must stay inside it.
std::optional<std::string> NameFault(const std::string& name, bool control) {
    if (name.empty()) return TrText(BRENVOX_TEXT("pusta nazwa"));
    if (name == "." || name == "..") return TrText(BRENVOX_TEXT("nazwa \".\" lub \"..\""));
    if (name.find_first_of("/\\") != std::string::npos)
        return TrText(BRENVOX_TEXT("nazwa zawiera separator ścieżki"));
    if (control) return TrText(BRENVOX_TEXT("nazwa zawiera znak sterujący"));
    return std::nullopt;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// A text as `show` prints it: UTF-8 with \xHH for a byte below 0x20 or the backslash.
std::optional<std::string> ParseShownText(std::string_view cell, std::string& bytes) {
    bytes.clear();
    std::size_t start = 0;
    auto flush = [&](std::size_t end) -> std::optional<std::string> {
        const Cp1250Result r = Utf8ToCp1250(cell.substr(start, end - start));
        if (!r.ok) return TrText(BRENVOX_TEXT("znak spoza strony kodowej 1250"));
        bytes += r.bytes;
        return std::nullopt;
    };
    for (std::size_t i = 0; i < cell.size(); ++i) {
        if (cell[i] != '\\') continue;
        if (auto why = flush(i)) return why;
        const int hi = i + 3 < cell.size() && cell[i + 1] == 'x' ? HexDigit(cell[i + 2]) : -1;
        const int lo = hi >= 0 ? HexDigit(cell[i + 3]) : -1;
        if (lo < 0) return TrText(BRENVOX_TEXT("ukośnik wsteczny, po którym nie ma \\xHH"));
        bytes += static_cast<char>(hi * 16 + lo);
        i += 3;
        start = i + 1;
    }
    if (auto why = flush(cell.size())) return why;
    return std::nullopt;
}

// The longest text a user can give the key in the editor; the settings themselves keep longer
// scalar texts whole, but the module's image would not, so a table may not give more.
std::size_t TypedMax(const SettingKey& k) {
    if (k.slot >= 0) return k.field == 'P' ? kPhoneMax : k.field == 'S' ? kSlotSmsTypeMax : kCommentMax;
    const std::string_view n = k.name;
    if (n == "PIN" || n == "MODPIN") return kPinTypeMax;
    if (n == "SMSC") return kSmscTypeMax;
    if (n == "OUTCODE" || n == "OFFCODE") return kCodeTypeMax;
    if (n == "TEST1PHONE" || n == "TEST2PHONE") return kPhoneMax;
    if (n == "TEST1SMS" || n == "TEST2SMS") return kTestSmsTypeMax;
    return kStoredStringMax;
}

std::optional<int64_t> ParseDecimal(std::string_view cell) {
    std::string_view digits = cell.substr(!cell.empty() && cell[0] == '-' ? 1 : 0);
    if (digits.empty()) return std::nullopt;
    for (char c : digits)
        if (c < '0' || c > '9') return std::nullopt;
    int64_t v = 0;
    const auto [end, ec] = std::from_chars(cell.data(), cell.data() + cell.size(), v);
    if (ec != std::errc() || end != cell.data() + cell.size()) return std::nullopt;
    return v;
}

// Applies one non-empty cell; the reason when the settings would not hold exactly that value.
std::optional<std::string> ApplyCell(ModuleSettings& s, const SettingKey& k, std::string_view cell) {
    switch (k.kind) {
        case ValueKind::String: {
            std::string bytes;
            if (auto why = ParseShownText(cell, bytes)) return why;
            const std::size_t max = std::min(TypedMax(k), kStoredStringMax);
            if (bytes.size() > max)
                return TrFormat(BRENVOX_TEXT("za długi tekst (najwyżej %1 zn.)"), {std::to_string(max)});
            SetString(s, k, bytes);
            if (GetString(s, k) != bytes)
                return TrText(BRENVOX_TEXT("ustawienia nie przechowają go w całości"));
            return std::nullopt;
        }
        case ValueKind::Integer: {
            const std::optional<int64_t> v = ParseDecimal(cell);
            if (!v) return TrText(BRENVOX_TEXT("to nie jest liczba całkowita"));
            if (*v < std::numeric_limits<int32_t>::min() || *v > std::numeric_limits<int32_t>::max())
                return TrText(BRENVOX_TEXT("poza zakresem liczb 32-bitowych"));
            SetInt(s, k, *v);
            if (GetInt(s, k) != *v) {
                const IntRange r = IntRangeOf(static_cast<IntSetting>(k.scalarId));
                return TrFormat(BRENVOX_TEXT("poza zakresem %1..%2"),
                                {std::to_string(r.min), std::to_string(r.max)});
            }
            return std::nullopt;
        }
        case ValueKind::Boolean:
            if (cell != "0" && cell != "1") return TrText(BRENVOX_TEXT("oczekiwano 0 lub 1"));
            SetBool(s, k, cell == "1");
            return std::nullopt;
    }
    return TrText(BRENVOX_TEXT("nieobsługiwany rodzaj wartości"));
}

}  // namespace

SettingsTableResult ApplySettingsTable(std::string_view csv, const ModuleSettings& base) {
    SettingsTableResult r;
    auto refuse = [&r](std::size_t row, std::size_t col, std::string column, std::string why) {
        r.units.clear();
        r.row = row;
        r.columnNumber = col;
        r.column = std::move(column);
        r.error = std::move(why);
        return r;
    };
    // Spreadsheet programs often start a UTF-8 file with a byte order mark.
    if (csv.substr(0, 3) == "\xEF\xBB\xBF") csv.remove_prefix(3);

    std::vector<std::vector<std::string>> records;
    if (auto fault = SplitCsv(csv, records)) return refuse(fault->row, fault->column, {}, fault->error);
    // Blank lines at the end are left by editors; they are no units.
    while (records.size() > 1 && records.back().size() == 1 && records.back()[0].empty()) records.pop_back();
    if (records.empty())
        return refuse(0, 0, {}, TrText(BRENVOX_TEXT("tabela jest pusta: brak wiersza nagłówka")));

    const std::vector<std::string>& header = records[0];
    if (header[0] != "name")
        return refuse(1, 1, header[0], TrText(BRENVOX_TEXT("pierwsza kolumna musi się nazywać \"name\"")));
    std::vector<const SettingKey*> keys(header.size(), nullptr);
    std::unordered_set<std::string> seen{"name"};
    for (std::size_t c = 1; c < header.size(); ++c) {
        keys[c] = FindSettingKey(header[c]);
        if (!seen.insert(header[c]).second)
            return refuse(1, c + 1, header[c], TrText(BRENVOX_TEXT("powtórzona kolumna")));
        if (!keys[c]) return refuse(1, c + 1, header[c], TrText(BRENVOX_TEXT("to nie jest klucz ustawień")));
    }

    std::unordered_set<std::string> names;
    r.units.reserve(records.size() - 1);
    for (std::size_t row = 1; row < records.size(); ++row) {
        const std::vector<std::string>& cells = records[row];
        if (cells.size() != header.size())
            return refuse(row + 1, std::min(cells.size(), header.size()) + 1, {},
                          TrFormat(BRENVOX_TEXT("liczba komórek: %1, a w nagłówku: %2"),
                                   {std::to_string(cells.size()), std::to_string(header.size())}));
        for (std::size_t c = 0; c < cells.size(); ++c) {
            bool control = false;
            if (!Utf8Check(cells[c], control))
                return refuse(row + 1, c + 1, header[c], TrText(BRENVOX_TEXT("to nie jest tekst UTF-8")));
            if (c == 0) {
                if (auto why = NameFault(cells[0], control)) return refuse(row + 1, 1, header[0], *why);
                if (!names.insert(cells[0]).second)
                    return refuse(row + 1, 1, header[0], TrText(BRENVOX_TEXT("powtórzona nazwa")));
            }
        }
        TableUnit& unit = r.units.emplace_back(TableUnit{cells[0], base});
        for (std::size_t c = 1; c < cells.size(); ++c) {
            if (cells[c].empty()) continue;
            if (auto why = ApplyCell(unit.settings, *keys[c], cells[c]))
                return refuse(row + 1, c + 1, header[c], *why);
        }
    }
    r.ok = true;
    return r;
}

}  // namespace brenvox
