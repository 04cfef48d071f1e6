#pragma once
// What brenvox-cli says about its own command line, in the user's language: the help (CLI11's
// layout with the program's own words for its headings, labels and placeholders) and the usage
// errors (a message of the program's own for each kind of CLI11's parse errors, naming the
// command and the option from the parser's state, never CLI11's English).
#include <CLI/CLI.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/translate.h"

namespace brenvox::cli {

// TrText (i18n/translate.h) gives the help's texts in the user's language, as the std::string
// CLI11 takes.
using brenvox::TrText;

// A usage error a command finds itself (a combination of options, a value): its message is
// already in the user's language.
class UsageError : public CLI::ParseError {
public:
    explicit UsageError(const std::string& message);
};

// The help's words in the user's language for `app` and everything added to it later: call it
// first, before any option or command is added, so that the commands inherit them.
void PrepareHelp(CLI::App& app);

// Once every command is added: the help flag of each command under the options' heading (CLI11
// makes it before the command inherits the heading), and the way to a command's help below the
// program's own.
void FinishHelp(CLI::App& app);

// The placeholder of an option's value in the help ("PLIK", "FOLDER"), in the user's language.
// Every option that takes a value names one.
CLI::Option* Placeholder(CLI::Option* option, std::string_view text);

// Validators whose refusals are in the user's language (CLI11's own say it in English).
CLI::Validator IntegerFrom(int min, int max);
CLI::Validator OneOf(const std::vector<std::string>& values);

// The message, and the hint to the help, for a parse error of `app` whose command line was
// `args` (without the language); every line ends with a line break.
std::string UsageErrorText(const CLI::App& app, const CLI::ParseError& error,
                           const std::vector<std::string>& args);

}  // namespace brenvox::cli
