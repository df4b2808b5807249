#pragma once

#include <array>
#include <string>

#include "inspect/Report.h"
#include "support/Files.h"

namespace inspecttest {

inline constexpr std::array<const char*, 6> kGoldens = {"blue-business",    "blue-other",
                                                        "blue-real-estate", "white-business",
                                                        "white-other",      "white-real-estate"};

inline std::string Golden(const std::string& name) {
    return testsupport::ReadFile(std::string(BRENLO_SOURCE_DIR) + "\\tests\\e2e\\golden\\" + name +
                                 ".xml")
        .value_or(std::string());
}

inline inspect::Report ReadGolden(const std::string& name) {
    inspect::ReadResult result = inspect::ReadReport(Golden(name), name);
    return result.report.value_or(inspect::Report{});
}

// Sets a value of the report in memory, the way a damaged or edited file would carry it.
inline void Set(inspect::Report& report, const std::string& section, const std::string& tag,
                const std::string& text) {
    for (inspect::Section& s : report.sections) {
        if (s.tag != section) {
            continue;
        }
        for (inspect::Field& f : s.fields) {
            if (f.tag == tag) {
                f.text = text;
                return;
            }
        }
        for (inspect::Item& item : s.items) {
            for (inspect::Field& f : item.fields) {
                if (f.tag == tag) {
                    f.text = text;
                    return;
                }
            }
        }
    }
}

inline std::string Get(const inspect::Report& report, const std::string& section,
                       const std::string& tag) {
    const inspect::Section* s = report.Find(section);
    if (s == nullptr) {
        return {};
    }
    if (s->Find(tag) != nullptr) {
        return s->Text(tag);
    }
    for (const inspect::Item& item : s->items) {
        if (item.Find(tag) != nullptr) {
            return item.Text(tag);
        }
    }
    return {};
}

// Adds yen to a value.
inline void Add(inspect::Report& report, const std::string& section, const std::string& tag,
                long long yen) {
    const long long now = inspect::ParseAmount(Get(report, section, tag)).value_or(0);
    Set(report, section, tag, std::to_string(now + yen));
}

}  // namespace inspecttest
