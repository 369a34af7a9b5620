#include "shell/WebPages.h"

#include "shell/HelpPages.h"

namespace jw {

namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

}  // namespace

std::string WithWebScheme(const std::string& address) {
    const std::string trimmed = Trimmed(address);
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
