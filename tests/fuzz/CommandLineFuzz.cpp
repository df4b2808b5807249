// libFuzzer entry: the host's command line ("window,message,function,path")
// and the console front end's options, both from the same input: the whole
// of it as the host's line, and its NUL-separated pieces as arguments.
#include <cstddef>
#include <cstdint>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/ExportApp.h"
#include "cli/CliOptions.h"
#include "core/Edition.h"
#include "fuzz/FuzzInput.h"

namespace {

constexpr std::size_t kMaxArguments = 12;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = fuzz::Text(data, size);

    CExportApp app(Edition::Brenlo());
    app.m_strCommandLine = std::string(input);
    if (app.ParseCommandLine() == 1) {
        fuzz::Expect(input.ends_with(app.m_strHostPath));
    } else {
        fuzz::Expect(app.m_strHostPath.empty());
    }

    // Help and usage errors go to the streams; the fuzzer's output stays readable.
    std::streambuf* const out = std::cout.rdbuf(nullptr);
    std::streambuf* const err = std::cerr.rdbuf(nullptr);
    std::vector<std::string> arguments{"brenlo-cli"};
    for (const std::string_view piece : fuzz::Split(input, '\0', kMaxArguments)) {
        arguments.emplace_back(piece);
    }
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    int status = -1;
    const auto command = ParseCommandLine(static_cast<int>(arguments.size()), argv.data(), status);
    std::cout.rdbuf(out);
    std::cerr.rdbuf(err);
    fuzz::Expect(!command || status == 0);
    std::cout.clear();
    std::cerr.clear();
    return 0;
}
