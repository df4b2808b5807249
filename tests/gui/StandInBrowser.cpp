// The browser of the GUI tests: the tests make it the program that opens
// .html files, and it only notes the page it was asked to open, one line per
// start, in the file BRENLO_TEST_OPENED names.
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const char* log = std::getenv("BRENLO_TEST_OPENED");
    std::FILE* out = log != nullptr ? std::fopen(log, "ab") : nullptr;
    if (out == nullptr) {
        return 1;
    }
    for (int k = 1; k < argc; ++k) {
        std::fprintf(out, "%s\n", argv[k]);
    }
    return std::fclose(out) == 0 ? 0 : 1;
}
