#pragma once

#include <string>
#include <string_view>

namespace CLI {
class App;
}

// brenlo-cli's help and usage errors in the console's language. The parsers
// are written with their English texts; one table pairs each with its
// Japanese, and a Japanese console gets that instead.

// The name check and show give their report argument: the help shows it and
// usage errors name it, both in the console's language.
inline constexpr char kReportArgument[] = "REPORT";

// The text in the console's language; "{}" in it becomes `argument`. An
// English text without a row stays English.
std::string CliText(std::string_view english, std::string_view argument = {});

// Puts a parser's descriptions, footer, group names, help flag, the help's
// labels and its usage errors into the console's language. Call after the
// last option is added and before parsing.
void LocalizeCli(CLI::App& app);
