#include "usage.h"

#include <cctype>
#include <charconv>
#include <memory>

#include "i18n/translate.h"

namespace brenvox::cli {
namespace {

// Columns are counted in characters, not bytes: a Polish placeholder ("URZĄDZENIE") would
// otherwise push its description a column to the left.
std::size_t Width(std::string_view text) {
    std::size_t n = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

// One row of the help: the name in the first column, the description from `column` on (below
// it when the name is wider), each further line of the description indented as far.
std::string HelpRow(const std::string& name, const std::string& description, std::size_t column) {
    std::string out = "  " + name;
    const std::size_t width = Width(out);
    if (!description.empty()) {
        // At least two blanks between the columns, which is how the manual page tells them apart.
        out += width + 2 > column ? "\n" + std::string(column, ' ') : std::string(column - width, ' ');
        for (char c : description) {
            out += c;
            if (c == '\n') out.append(column, ' ');
        }
    }
    return out + '\n';
}

// CLI11's layout with the program's words: headings and labels from the user's language, each
// option's placeholder as the command gave it, "(wymagana)" after a required option.
class HelpFormatter : public CLI::Formatter {
public:
    HelpFormatter() {
        // Room for the longest name with its placeholder and "(wymagana)".
        column_width(34);
        label("Usage", TrText(BRENVOX_TEXT("Użycie")));
        label("OPTIONS", TrText(BRENVOX_TEXT("OPCJE")));
        label("SUBCOMMAND", TrText(BRENVOX_TEXT("POLECENIE")));
        label("SUBCOMMANDS", TrText(BRENVOX_TEXT("POLECENIE")));
        label("Positionals", TrText(BRENVOX_TEXT("Argumenty")));
    }

    std::string make_option(const CLI::Option* option, bool positional) const override {
        return HelpRow(make_option_name(option, positional) + make_option_opts(option),
                       make_option_desc(option), column_width_);
    }
    std::string make_subcommand(const CLI::App* command) const override {
        return HelpRow(command->get_name(), command->get_description(), column_width_);
    }
    // A positional argument's name is its own placeholder; a flag takes none.
    std::string make_option_opts(const CLI::Option* option) const override {
        if (!option->nonpositional()) return {};
        std::string out;
        if (option->get_type_size() != 0) out += " " + option->get_type_name();
        if (option->get_required()) out += " " + TrText(BRENVOX_TEXT("(wymagana)"));
        return out;
    }
};

// The options a parse error may be about: the command's and the program's own.
std::vector<const CLI::Option*> OptionsOf(const CLI::App& app, const CLI::App* command) {
    std::vector<const CLI::Option*> options = app.get_options();
    if (command) {
        const std::vector<const CLI::Option*> own = command->get_options();
        options.insert(options.end(), own.begin(), own.end());
    }
    return options;
}

// The option a CLI11 message is about: the one whose name it holds first, as a word of its own.
// CLI11 puts the name it was given into every message about an option, so this finds our own
// names, never reads its English.
const CLI::Option* NamedIn(const std::string& message, const std::vector<const CLI::Option*>& options) {
    const CLI::Option* found = nullptr;
    std::size_t foundAt = std::string::npos;
    auto partOfName = [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_';
    };
    for (const CLI::Option* option : options) {
        const std::string name = option->get_name();
        for (std::size_t at = message.find(name); at != std::string::npos; at = message.find(name, at + 1)) {
            const std::size_t end = at + name.size();
            if ((at > 0 && partOfName(message[at - 1])) || (end < message.size() && partOfName(message[end])))
                continue;
            if (at < foundAt) {
                found = option;
                foundAt = at;
            }
            break;
        }
    }
    return found;
}

std::string CommandList(const CLI::App& app) {
    std::string names;
    for (const CLI::App* command : app.get_subcommands(std::function<bool(const CLI::App*)>{})) {
        if (!names.empty()) names += ", ";
        names += command->get_name();
    }
    return TrFormat(BRENVOX_TEXT("Polecenia: %1"), {names});
}

}  // namespace

UsageError::UsageError(const std::string& message)
    : CLI::ParseError("UsageError", message, CLI::ExitCodes::BaseClass) {}

void PrepareHelp(CLI::App& app) {
    app.formatter(std::make_shared<HelpFormatter>());
    // Inherited by every option and command added later; the help flag, made with the app, is
    // made again to join its group.
    app.option_defaults()->group(TrText(BRENVOX_TEXT("Opcje")));
    app.group(TrText(BRENVOX_TEXT("Polecenia")));
    app.set_help_flag("-h,--help", TrText(BRENVOX_TEXT("wypisuje tę pomoc i kończy działanie")));
}

void FinishHelp(CLI::App& app) {
    for (CLI::App* command : app.get_subcommands(std::function<bool(CLI::App*)>{}))
        if (CLI::Option* help = command->get_help_ptr()) help->group(app.get_help_ptr()->get_group());
    app.footer(TrFormat(BRENVOX_TEXT("Pomoc do polecenia: %1 POLECENIE --help"), {app.get_name()}));
}

CLI::Option* Placeholder(CLI::Option* option, std::string_view text) {
    return option->type_name(std::string(text));
}

CLI::Validator IntegerFrom(int min, int max) {
    return CLI::Validator(
        [min, max](std::string& value) -> std::string {
            int n = 0;
            const char* end = value.data() + value.size();
            const auto [stop, ec] = std::from_chars(value.data(), end, n);
            if (ec == std::errc() && stop == end && n >= min && n <= max) return {};
            return TrFormat(BRENVOX_TEXT("oczekiwano liczby od %1 do %2, podano \"%3\""),
                            {std::to_string(min), std::to_string(max), value});
        },
        "");
}

CLI::Validator OneOf(const std::vector<std::string>& values) {
    std::string list;
    for (const std::string& v : values) list += (list.empty() ? "" : ", ") + v;
    return CLI::Validator(
        [values, list](std::string& value) -> std::string {
            for (const std::string& v : values)
                if (v == value) return {};
            return TrFormat(BRENVOX_TEXT("oczekiwano jednej z wartości: %1; podano \"%2\""), {list, value});
        },
        "");
}

std::string UsageErrorText(const CLI::App& app, const CLI::ParseError& error,
                           const std::vector<std::string>& args) {
    const std::vector<CLI::App*> chosen = app.get_subcommands();
    const CLI::App* command = chosen.empty() ? nullptr : chosen.front();
    const std::string commandName = command ? command->get_name() : std::string();
    std::string message;

    if (dynamic_cast<const UsageError*>(&error)) {
        message = error.what();
    } else if (!command) {
        // No command was recognised: the first word left over is what the user meant as one.
        const std::vector<std::string> rest = app.remaining();
        if (rest.empty())
            message = TrText(BRENVOX_TEXT("Nie podano polecenia.")) + '\n' + CommandList(app);
        else if (rest.front().rfind('-', 0) == 0)
            message = TrFormat(BRENVOX_TEXT("Nieznana opcja %1."), {rest.front()});
        else
            message = TrFormat(BRENVOX_TEXT("Nieznane polecenie \"%1\"."), {rest.front()}) + '\n' +
                      CommandList(app);
    } else if (dynamic_cast<const CLI::RequiredError*>(&error)) {
        for (const CLI::Option* option : command->get_options()) {
            if (!option->get_required() || option->count() > 0) continue;
            message = option->nonpositional() ? TrFormat(BRENVOX_TEXT("Polecenie %1 wymaga opcji %2."),
                                                         {commandName, option->get_name()})
                                              : TrFormat(BRENVOX_TEXT("Polecenie %1 wymaga argumentu %2."),
                                                         {commandName, option->get_name()});
            break;
        }
    } else if (dynamic_cast<const CLI::ExtrasError*>(&error)) {
        std::vector<std::string> rest = command->remaining();
        if (rest.empty()) rest = app.remaining();
        if (!rest.empty())
            message =
                rest.front().rfind('-', 0) == 0
                    ? TrFormat(BRENVOX_TEXT("Polecenie %1 nie ma opcji %2."), {commandName, rest.front()})
                    : TrFormat(BRENVOX_TEXT("Zbędny argument polecenia %1: \"%2\"."),
                               {commandName, rest.front()});
    } else if (dynamic_cast<const CLI::ArgumentMismatch*>(&error)) {
        // Either an option that takes one value was given twice, or the command line ended
        // where a value should have followed its last option.
        for (const CLI::Option* option : OptionsOf(app, command)) {
            if (option->get_type_size() != 0 && option->get_expected_max() == 1 && option->count() > 1) {
                message = TrFormat(BRENVOX_TEXT("Opcję %1 podano więcej niż raz."), {option->get_name()});
                break;
            }
        }
        if (message.empty() && !args.empty())
            message = TrFormat(BRENVOX_TEXT("Opcja %1 wymaga wartości."), {args.back()});
    } else if (dynamic_cast<const CLI::ValidationError*>(&error)) {
        // The option's name and the refusal of one of our validators.
        message = std::string(error.what()) + '.';
    } else if (const CLI::Option* option = NamedIn(error.what(), OptionsOf(app, command))) {
        message = TrFormat(BRENVOX_TEXT("Niewłaściwa wartość opcji %1."), {option->get_name()});
    }
    if (message.empty())
        message = command ? TrFormat(BRENVOX_TEXT("Niewłaściwe wywołanie polecenia %1."), {commandName})
                          : TrText(BRENVOX_TEXT("Niewłaściwe wywołanie programu."));
    const std::string helpOf = command ? app.get_name() + " " + commandName : app.get_name();
    return message + '\n' + TrFormat(BRENVOX_TEXT("Pomoc: %1 --help"), {helpOf}) + '\n';
}

}  // namespace brenvox::cli
