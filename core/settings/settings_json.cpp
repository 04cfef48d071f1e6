#include "settings/settings_json.h"

#include <cstdint>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>

#include "i18n/translate.h"
#include "settings/cp1250.h"

namespace brenvox {
namespace {

using ordered_json = nlohmann::ordered_json;

// Applies one JSON member to `s`; on refusal returns the reason.
std::optional<std::string> ApplyMember(ModuleSettings& s, const std::string& name, const ordered_json& v) {
    const SettingKey* k = FindSettingKey(name);
    if (!k) return TrText(BRENVOX_TEXT("nieznany klucz ustawień"));
    switch (k->kind) {
        case ValueKind::String: {
            if (!v.is_string()) return TrText(BRENVOX_TEXT("oczekiwano tekstu"));
            const Cp1250Result r = Utf8ToCp1250(v.get<std::string>());
            if (!r.ok)
                return TrFormat(BRENVOX_TEXT("znak spoza strony kodowej 1250 (bajt %1)"),
                                {std::to_string(r.badOffset)});
            // The settings file stores a string's length in one byte.
            if (r.bytes.size() > 255)
                return TrFormat(BRENVOX_TEXT("za długi tekst (najwyżej %1 zn.)"), {"255"});
            SetString(s, *k, r.bytes);
            return std::nullopt;
        }
        case ValueKind::Integer: {
            if (!v.is_number_integer()) return TrText(BRENVOX_TEXT("oczekiwano liczby całkowitej"));
            bool inRange;
            int64_t x = 0;
            if (v.is_number_unsigned()) {
                const auto u = v.get<uint64_t>();
                inRange = u <= static_cast<uint64_t>(std::numeric_limits<int32_t>::max());
                x = static_cast<int64_t>(inRange ? u : 0);
            } else {
                x = v.get<int64_t>();
                inRange =
                    x >= std::numeric_limits<int32_t>::min() && x <= std::numeric_limits<int32_t>::max();
            }
            if (!inRange) return TrText(BRENVOX_TEXT("poza zakresem liczb 32-bitowych"));
            SetInt(s, *k, x);
            return std::nullopt;
        }
        case ValueKind::Boolean:
            if (!v.is_boolean()) return TrText(BRENVOX_TEXT("oczekiwano true lub false"));
            SetBool(s, *k, v.get<bool>());
            return std::nullopt;
    }
    return TrText(BRENVOX_TEXT("nieobsługiwany rodzaj wartości"));
}

}  // namespace

std::string SettingsToJson(const ModuleSettings& s) {
    ordered_json j = ordered_json::object();
    for (const SettingKey& k : SettingKeys()) {
        switch (k.kind) {
            case ValueKind::String:
                j[k.name] = Cp1250ToUtf8(GetString(s, k));
                break;
            case ValueKind::Integer:
                j[k.name] = GetInt(s, k);
                break;
            case ValueKind::Boolean:
                j[k.name] = GetBool(s, k);
                break;
        }
    }
    // Strings are valid UTF-8 by construction (every code page 1250 byte has a character).
    return j.dump(2);
}

JsonImportResult ApplySettingsJson(std::string_view jsonText, ModuleSettings& s) {
    JsonImportResult r;
    // Parsing without exceptions: a parse error yields a discarded value.
    const ordered_json j = ordered_json::parse(jsonText.begin(), jsonText.end(), nullptr, false);
    if (j.is_discarded()) {
        r.error = Tr(BRENVOX_TEXT("to nie jest poprawny JSON"));
        return r;
    }
    if (!j.is_object()) {
        r.error = Tr(BRENVOX_TEXT("oczekiwano obiektu JSON z kluczami ustawień"));
        return r;
    }
    for (const auto& [name, value] : j.items()) {
        if (auto why = ApplyMember(s, name, value)) {
            r.key = name;
            r.error = *why;
            return r;
        }
    }
    r.ok = true;
    return r;
}

}  // namespace brenvox
