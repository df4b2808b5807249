#include "inspect/ShowChart.h"

#include <algorithm>
#include <cstdint>

#include "platform/text/Markup.h"

namespace inspect::layout {

using platform::markup::Escape;

std::string Chart(const Monthly& now, const Monthly& before) {
    struct Series {
        const std::int64_t* yen;
        const char* name;
        const char* colour;
    };
    const Series series[] = {{now.sales, "売上（本年）", "#2f6db5"},
                             {before.sales, "売上（前年）", "#9cbce3"},
                             {now.purchases, "仕入（本年）", "#c0702a"},
                             {before.purchases, "仕入（前年）", "#ecc29b"}};
    std::int64_t top = 1, bottom = 0;
    for (const Series& s : series) {
        for (int m = 0; m < 12; ++m) {
            top = std::max(top, s.yen[m]);
            bottom = std::min(bottom, s.yen[m]);
        }
    }
    const int width = 680, plot = 200, left = 20, slot = 54;
    const double scale = static_cast<double>(plot) / static_cast<double>(top - bottom);
    const int baseline = 30 + static_cast<int>(static_cast<double>(top) * scale);
    const int bar = (slot - 8) / 4;
    std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"chart\" width=\"" +
                      std::to_string(width) + "\" height=\"" + std::to_string(plot + 70) +
                      "\" role=\"img\">\n";
    for (std::size_t k = 0; k < 4; ++k) {
        const int x = left + static_cast<int>(k) * 150;
        out += "<rect x=\"" + std::to_string(x) + "\" y=\"6\" width=\"10\" height=\"10\" fill=\"" +
               series[k].colour + "\"/><text x=\"" + std::to_string(x + 14) + "\" y=\"15\">" +
               Escape(series[k].name) + "</text>\n";
    }
    for (int m = 0; m < 12; ++m) {
        const int x0 = left + m * slot;
        for (std::size_t k = 0; k < 4; ++k) {
            const std::int64_t yen = series[k].yen[m];
            const double h = static_cast<double>(yen < 0 ? -yen : yen) * scale;
            const double y = yen < 0 ? baseline : baseline - h;
            out += "<rect class=\"bar\" data-yen=\"" + std::to_string(yen) + "\" x=\"" +
                   std::to_string(x0 + static_cast<int>(k) * bar) + "\" y=\"" + std::to_string(y) +
                   "\" width=\"" + std::to_string(bar - 1) + "\" height=\"" + std::to_string(h) +
                   "\" fill=\"" + series[k].colour + "\"/>\n";
        }
        out += "<text x=\"" + std::to_string(x0 + 10) + "\" y=\"" + std::to_string(plot + 60) +
               "\">" + std::to_string(m + 1) + "月</text>\n";
    }
    return out + "</svg>\n";
}

}  // namespace inspect::layout
