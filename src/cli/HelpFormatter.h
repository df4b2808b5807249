#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <string_view>

// brenlo-cli's help laid out by the columns a terminal gives each character,
// not by bytes: every option's text starts in one column and wraps within 80
// columns, Japanese and English alike. In Japanese the placeholders are words
// (文字列, 数値, 出力ファイル) and a range is written 数値（40～1000）.
class HelpFormatter : public CLI::Formatter {
public:
    explicit HelpFormatter(bool japanese) : japanese_(japanese) {}

    std::string make_option(const CLI::Option* option, bool isPositional) const override;
    std::string make_option_name(const CLI::Option* option, bool isPositional) const override;
    std::string make_option_opts(const CLI::Option* option) const override;
    std::string make_subcommand(const CLI::App* subcommand) const override;
    // The program's or command's description, wrapped within 80 columns.
    std::string make_description(const CLI::App* app) const override;

private:
    std::string Placeholder(std::string_view type) const;
    std::string Row(const std::string& name, std::string_view description) const;

    bool japanese_;
};
