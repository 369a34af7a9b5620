// The three web commands of the "&Help" menu. The program has no web site of
// its own: unless a site is configured when the program is built, they open
// pages of the help instead.
#pragma once

#include <string>

namespace jw {

enum class WebPage { HomePage, ProductNews, ProgramUpdate };

// Where a web command leads: a page of the help, or an address for the
// system's default web handler.
struct WebTarget {
    bool external = false;
    std::string address;  // a help topic, or a web address with its scheme
};

// `site` is the configured web address (may be empty, may lack a scheme).
// The home page is the site itself; the news are its "whatsnew.htm" and the
// update its "download.htm". Without a site: the help's front page, its
// "What's new" page and its "Installing and updating" page.
WebTarget WebCommandTarget(WebPage page, const std::string& site);

// An address without a scheme gets "http://" in front; surrounding blanks go.
std::string WithWebScheme(const std::string& address);

}  // namespace jw
