// libFuzzer entry: the settings file's reading and updating on any content
// and key. Input: one byte for the key's length, the key, then the content.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "dialog/SettingsFile.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input = fuzz::Text(data, size);
    const std::size_t keyLength = fuzz::TakeByte(input) % (settings_file::kMaxKeyBytes + 1);
    const std::string_view key = input.substr(0, keyLength);
    const std::string_view content = input.substr(key.size());

    (void)settings_file::Find(content, key);

    // A path holds no slash, so the record's own fields are read back from it.
    const std::string path = "C:\\out\\report.xml";
    const std::string record = settings_file::RecordOf(key, 1, 2, income_kind::kOther, path);
    const std::string replaced = settings_file::Replace(content, key, record);
    fuzz::Expect(replaced.size() <= content.size() + record.size());
    // A key with a line feed makes no record line: nothing more is promised for it.
    if (key.find('\n') == std::string_view::npos) {
        fuzz::Expect(settings_file::Replace(replaced, key, record) == replaced);
        const auto found = settings_file::Find(replaced, key);
        fuzz::Expect(found && found->path == path && found->kind == income_kind::kOther);
    }
    return 0;
}
