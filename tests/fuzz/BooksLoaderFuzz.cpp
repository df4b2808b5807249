// libFuzzer entry: any text as the books file the stand-in host installs.
#include <cstddef>
#include <cstdint>

#include "books/HostState.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Either installed (no message) or refused with a message; never both, never a crash.
    const std::string refusal = tobra::books::InstallText(fuzz::Text(data, size));
    fuzz::Expect(refusal.empty() == (tobra::books::Current() != nullptr));
    tobra::books::Reset();
    return 0;
}
