#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Every line the console front end and the read-back print, in both
// languages, as one table (ConsoleTexts.cpp) that the user's guide lists row
// by row (tools/message-texts.py reads it). A row is found by its English;
// "{}" in it stands for a figure filled in order. The texts are UTF-8: the
// console's text, unlike the program's Shift_JIS.
namespace core {

struct Bilingual {
    std::string japanese;
    std::string english;
};

// A line of the table in both languages; English without a row stays as it
// is in both.
Bilingual LineTexts(std::string_view english,
                    std::initializer_list<std::string_view> arguments = {});

// The line in the console's language (platform::console::LinesLanguage):
// with both, the Japanese, a line break and the English.
std::string ConsoleLine(std::string_view english,
                        std::initializer_list<std::string_view> arguments = {});
std::string InConsoleLanguage(std::string_view japanese, std::string_view english);

// The file layer's or the system's reason ("permission denied") in Japanese;
// a reason without a row as it stands.
std::string JapaneseReason(std::string_view reason);

}  // namespace core
