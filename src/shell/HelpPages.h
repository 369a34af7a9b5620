// The help pages: HTML files under "html/" in the help folder that is
// installed with the program, a contents file that orders them into a tree,
// the links between them, and the search over their text. Everything here
// works on plain strings so that it can be checked without a window.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace jw {

// The page the help opens on: "&Contents", F1 in the main window, the
// toolbar's help button, and any window that names no page of its own.
inline constexpr const char* kHelpFrontPage = "html/index.htm";
// The pages that the web commands open when no web site is configured.
inline constexpr const char* kHelpWhatsNewPage = "html/whatsnew.htm";
inline constexpr const char* kHelpInstallingPage = "html/installing.htm";
// The contents file inside the help folder.
inline constexpr const char* kHelpContentsFile = "contents.txt";

// Shown when the help folder or a page in it cannot be read.
inline constexpr const char* kHelpMissingMessage =
    "Error opening the help pages. Reinstall Jadewind 2007 - the help folder is missing or "
    "damaged.";

// The folders searched for the help, in order: "help/" beside the program
// (a build tree), then the installed data folder seen from the program's
// folder ("<prefix>/bin/" or "<prefix>/lib/jadewind/" give
// "<prefix>/share/jadewind/help/"). `executableFolder` ends with '/'.
std::vector<std::string> HelpFolderCandidates(const std::string& executableFolder);

// The first candidate that holds the front page according to `exists`,
// or nothing.
std::optional<std::string> FindHelpFolder(const std::string& executableFolder,
                                          const std::function<bool(const std::string&)>& exists);

// Turns what a window names as its topic into a page path relative to the
// help folder: backslashes become '/'; a leading "jadewind.chm", "::" or
// "/" and an anchor ("#...") are dropped. An empty topic, or one that climbs out
// of the folder with "..", gives the front page.
std::string NormalizeTopic(const std::string& topic);

// One line of the contents tree.
struct HelpContentsEntry {
    int depth = 0;      // 0 for the top level
    std::string title;  // what the tree shows
    std::string topic;  // page path; empty for a heading without a page
};

// Reads the contents file: one entry a line, two spaces of indentation per
// level, the title, a '|' and the page path. Blank lines and lines starting
// with '#' are skipped; a line deeper than one level below the line before it
// is lifted to that level, so that the tree always has a parent.
std::vector<HelpContentsEntry> ParseHelpContents(const std::string& text);

// A reference made by a page: an "href" or a "src" attribute.
struct HelpLink {
    bool picture = false;  // "src": a picture the page shows
    std::string target;    // the attribute's value, entities decoded
};

// Every href and src attribute of `html`, in order of appearance.
std::vector<HelpLink> ExtractLinks(const std::string& html);

// The page path a link of page `fromTopic` points at, relative to the help
// folder and without its anchor; nothing for links that leave the help
// (a scheme such as "http:" or "mailto:") and for a bare "#anchor". A link
// that climbs above the help folder gives an empty string, which no page has.
std::optional<std::string> ResolveLink(const std::string& fromTopic, const std::string& target);

// The text of `html` without tags, comments, scripts and styles, with the
// common entities decoded and runs of white space collapsed to one blank.
std::string PlainText(const std::string& html);

// The text of the page's <title>, or an empty string.
std::string PageTitle(const std::string& html);

// The search over the pages' text: every word of the query must occur in a
// page (letter case ignored); pages whose title holds the words come first,
// then pages with more occurrences, then by title.
class HelpSearchIndex {
  public:
    void Add(const std::string& topic, const std::string& html);

    struct Hit {
        std::string topic;
        std::string title;
        int occurrences = 0;
    };
    std::vector<Hit> Search(const std::string& query) const;

    std::size_t Size() const { return pages.size(); }

  private:
    struct Page {
        std::string topic;
        std::string title;
        std::string lowerTitle;
        std::string lowerText;
    };
    std::vector<Page> pages;
};

}  // namespace jw
