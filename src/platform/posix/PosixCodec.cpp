// CP932 <-> UTF-8 through glibc's iconv, whose "CP932" writes the same codes
// as Windows (IBM extensions for characters with two codes).
#include "platform/text/Cp932.h"

#include <iconv.h>

#include <cerrno>
#include <optional>
#include <string>
#include <string_view>

namespace platform::cp932 {
namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (Valid()) {
            iconv_close(cd_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts the whole input or nothing: an invalid, incomplete or
    // unmappable sequence gives an empty optional.
    std::optional<std::string> Convert(std::string_view input) {
        if (!Valid()) {
            return std::nullopt;
        }
        std::string input_copy(input);
        char* in = input_copy.data();
        std::size_t in_left = input_copy.size();
        std::string output(input.size() * 2 + 16, '\0');
        std::size_t used = 0;
        while (in_left > 0) {
            char* out = output.data() + used;
            std::size_t out_left = output.size() - used;
            const std::size_t result = iconv(cd_, &in, &in_left, &out, &out_left);
            used = output.size() - out_left;
            if (result == static_cast<std::size_t>(-1)) {
                if (errno != E2BIG) {
                    return std::nullopt;
                }
                output.resize(output.size() * 2);
            } else if (result != 0) {
                // A count of irreversible conversions means a substitute was
                // written for a character the target lacks.
                return std::nullopt;
            }
        }
        output.resize(used);
        return output;
    }

private:
    iconv_t cd_;
};

}  // namespace

std::optional<std::string> ToUtf8(std::string_view cp932) {
    Converter converter("UTF-8", "CP932");
    return converter.Convert(cp932);
}

std::optional<std::string> FromUtf8(std::string_view utf8) {
    Converter converter("CP932", "UTF-8");
    std::optional<std::string> encoded = converter.Convert(utf8);
    if (!encoded) {
        return std::nullopt;
    }
    // glibc also accepts characters Windows only reaches by best fit (U+00A5
    // becomes 0x5C); Windows refuses those, so only characters that come back
    // unchanged count as mapped.
    Converter back("UTF-8", "CP932");
    const std::optional<std::string> decoded = back.Convert(*encoded);
    if (!decoded || *decoded != utf8) {
        return std::nullopt;
    }
    return encoded;
}

}  // namespace platform::cp932
