#pragma once
// The checks that settings must pass before any exchange with the module. Pure functions: they
// read the settings (code page 1250 bytes) and return the first failure with its message texts
// (UTF-8); showing the message is the caller's business.
#include <optional>
#include <string>
#include <string_view>

#include "settings/module_settings.h"

namespace brenvox {

struct ValidationFailure {
    std::string caption;  // "Potwierdź" or "Informacja"
    std::string line1;
    std::string line2;  // may be empty

    bool operator==(const ValidationFailure&) const = default;
};

// The text is not empty, an optional leading "+" is followed by at least one character, and
// every character after it is a digit 0..9.
bool PhoneNumberValid(std::string_view text);

// The SMS text a record of the module can carry.
inline constexpr std::size_t kSmsTextCheckMax = 60;

// One input event; `input` is the module input (1..7) the slot belongs to.
std::optional<ValidationFailure> CheckInputSlot(const InputSlot& slot, int input);

// One periodic test event: `function` is the selected index of its function box (-1: none).
std::optional<ValidationFailure> CheckTestEvent(int32_t function, std::string_view phone,
                                                std::string_view smsText);

// All checks in their fixed order; the first failure, or nothing when the settings pass.
std::optional<ValidationFailure> ValidateSettings(const ModuleSettings& s);

}  // namespace brenvox
