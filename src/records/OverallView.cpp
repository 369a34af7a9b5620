#include "records/OverallView.h"

#include <algorithm>
#include <cstdio>

namespace jw {

std::string ClockText(std::int64_t seconds, char separator, int hourDigits) {
    seconds = std::max<std::int64_t>(seconds, 0);
    std::int64_t limit = 1;
    for (int i = 0; i < hourDigits; ++i)
        limit *= 10;
    const std::int64_t hours = seconds / 3600;
    const int minutes = static_cast<int>(seconds / 60 % 60);
    const int rest = static_cast<int>(seconds % 60);
    char text[48];
    if (hours >= limit)
        std::snprintf(text, sizeof text, "*%c%02d%c%02d", separator, minutes, separator, rest);
    else
        std::snprintf(text, sizeof text, "%0*lld%c%02d%c%02d", hourDigits,
                      static_cast<long long>(hours), separator, minutes, separator, rest);
    return text;
}

std::string WebAddress(std::string_view base, std::string_view page) {
    if (base.empty())
        return {};
    std::string address(base);
    if (address.back() != '/')
        address += '/';
    address += page;
    return address;
}

}  // namespace jw
