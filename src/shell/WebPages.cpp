#include "shell/WebPages.h"

#include "platform/Text.h"
#include "shell/HelpPages.h"

namespace jw {

std::string WithWebScheme(const std::string& address) {
    const std::string trimmed(Trim(address));
    if (trimmed.empty()) {
        return trimmed;
    }
    if (trimmed.find("://") != std::string::npos || trimmed.rfind("mailto:", 0) == 0) {
        return trimmed;
    }
    return "http://" + trimmed;
}

WebTarget WebCommandTarget(WebPage page, const std::string& site) {
    const std::string base = WithWebScheme(site);
    if (base.empty()) {
        switch (page) {
            case WebPage::HomePage:
                return {false, kHelpFrontPage};
            case WebPage::ProductNews:
                return {false, kHelpWhatsNewPage};
            case WebPage::ProgramUpdate:
                return {false, kHelpInstallingPage};
        }
    }
    if (page == WebPage::HomePage) {
        return {true, base};
    }
    const std::string folder = base.back() == '/' ? base : base + "/";
    return {true, folder + (page == WebPage::ProductNews ? "whatsnew.htm" : "download.htm")};
}

}  // namespace jw
