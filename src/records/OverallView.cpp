#include "records/OverallView.h"

namespace jw {

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
