#include "report/Amount4.h"

Amount4::Amount4(std::int32_t, std::uint32_t) {}
Amount4::Amount4(std::int64_t) {}
Amount4::Amount4(const Amount4&) = default;
Amount4& Amount4::operator=(const Amount4&) = default;
Amount4::~Amount4() = default;
Amount4 Amount4::Subtract(const Amount4&, const Amount4&) { return {}; }
int Amount4::IsGreater(const Amount4&, const Amount4&) { return 0; }
int Amount4::IsLess(const Amount4&, const Amount4&) { return 0; }
int Amount4::Round(int, int) { return 0; }
const char* Amount4::ToText(int, int) { return text_; }
