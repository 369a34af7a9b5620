#include "shell/HelpPages.h"

#include <algorithm>
#include <cctype>

#include "platform/Text.h"

namespace jw {

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string TrimBlanks(std::string_view text) {
    return std::string(Trim(text));
}

// Joins '/'-separated parts, folding "." and ".."; false when ".." climbs
// above the root.
bool FoldPath(const std::string& path, std::string& out) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string::npos) {
            end = path.size();
        }
        const std::string part = path.substr(start, end - start);
        if (part == "..") {
            if (parts.empty()) {
                return false;
            }
            parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    out.clear();
    for (const std::string& part : parts) {
        if (!out.empty()) {
            out += '/';
        }
        out += part;
    }
    return true;
}

std::string DecodeEntities(const std::string& text) {
    static const std::pair<const char*, const char*> kEntities[] = {
        {"&amp;", "&"},   {"&lt;", "<"},    {"&gt;", ">"},       {"&quot;", "\""},
        {"&#39;", "'"},   {"&apos;", "'"},  {"&nbsp;", " "},     {"&ndash;", "-"},
        {"&mdash;", "-"}, {"&rarr;", "->"}, {"&hellip;", "..."}, {"&times;", "x"}};
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        if (text[i] == '&') {
            for (const auto& [name, value] : kEntities) {
                const std::size_t length = std::char_traits<char>::length(name);
                if (text.compare(i, length, name) == 0) {
                    out += value;
                    i += length;
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced) {
            out += text[i++];
        }
    }
    return out;
}

bool HasScheme(const std::string& target) {
    const auto colon = target.find(':');
    if (colon == std::string::npos || colon == 0) {
        return false;
    }
    return std::all_of(
        target.begin(), target.begin() + static_cast<std::ptrdiff_t>(colon),
        [](unsigned char c) { return std::isalnum(c) || c == '+' || c == '-' || c == '.'; });
}

}  // namespace

std::vector<std::string> HelpFolderCandidates(const std::string& executableFolder) {
    return {executableFolder + "help/", executableFolder + "../share/jadewind/help/",
            executableFolder + "../../share/jadewind/help/"};
}

std::optional<std::string> FindHelpFolder(const std::string& executableFolder,
                                          const std::function<bool(const std::string&)>& exists) {
    for (const std::string& folder : HelpFolderCandidates(executableFolder)) {
        if (exists(folder + kHelpFrontPage)) {
            return folder;
        }
    }
    return std::nullopt;
}

std::string NormalizeTopic(const std::string& topic) {
    std::string path = TrimBlanks(topic);
    std::replace(path.begin(), path.end(), '\\', '/');
    // The help file's own name and its "::" separator may lead the path.
    const std::string chm = "jadewind.chm";
    if (Lower(path).rfind(chm, 0) == 0) {
        path.erase(0, chm.size());
    }
    if (path.rfind("::", 0) == 0) {
        path.erase(0, 2);
    }
    if (const auto anchor = path.find('#'); anchor != std::string::npos) {
        path.erase(anchor);
    }
    std::string folded;
    if (!FoldPath(path, folded) || folded.empty()) {
        return kHelpFrontPage;
    }
    return folded;
}

std::vector<HelpContentsEntry> ParseHelpContents(const std::string& text) {
    std::vector<HelpContentsEntry> entries;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const std::size_t indent = line.find_first_not_of(' ');
        if (indent == std::string::npos || line[indent] == '#') {
            continue;
        }
        HelpContentsEntry entry;
        entry.depth = static_cast<int>(indent / 2);
        const int deepest = entries.empty() ? 0 : entries.back().depth + 1;
        entry.depth = std::min(entry.depth, deepest);
        const std::string rest = line.substr(indent);
        const auto bar = rest.find('|');
        entry.title = TrimBlanks(rest.substr(0, bar));
        if (bar != std::string::npos) {
            entry.topic = TrimBlanks(rest.substr(bar + 1));
        }
        if (!entry.title.empty()) {
            entries.push_back(entry);
        }
    }
    return entries;
}

std::vector<HelpLink> ExtractLinks(const std::string& html) {
    std::vector<HelpLink> links;
    const std::string lower = Lower(html);
    std::size_t tag = 0;
    while ((tag = lower.find('<', tag)) != std::string::npos) {
        if (lower.compare(tag, 4, "<!--") == 0) {
            const auto close = lower.find("-->", tag);
            tag = close == std::string::npos ? lower.size() : close + 3;
            continue;
        }
        const auto close = lower.find('>', tag);
        const std::size_t tagEnd = close == std::string::npos ? lower.size() : close;
        std::size_t i = tag + 1;
        while (i < tagEnd) {
            // An attribute name starts after white space.
            if (!std::isspace(static_cast<unsigned char>(lower[i - 1]))) {
                ++i;
                continue;
            }
            const bool href = lower.compare(i, 4, "href") == 0;
            const bool src = lower.compare(i, 3, "src") == 0;
            std::size_t j = i + (href ? 4 : src ? 3 : 0);
            if (!href && !src) {
                ++i;
                continue;
            }
            while (j < tagEnd && std::isspace(static_cast<unsigned char>(lower[j]))) {
                ++j;
            }
            if (j >= tagEnd || lower[j] != '=') {
                i = j;
                continue;
            }
            ++j;
            while (j < tagEnd && std::isspace(static_cast<unsigned char>(lower[j]))) {
                ++j;
            }
            std::size_t valueStart = j;
            std::size_t valueEnd;
            if (j < tagEnd && (lower[j] == '"' || lower[j] == '\'')) {
                const char quote = lower[j];
                valueStart = j + 1;
                valueEnd = lower.find(quote, valueStart);
                if (valueEnd == std::string::npos || valueEnd > tagEnd) {
                    valueEnd = tagEnd;
                }
                i = valueEnd + 1;
            } else {
                valueEnd = valueStart;
                while (valueEnd < tagEnd &&
                       !std::isspace(static_cast<unsigned char>(lower[valueEnd]))) {
                    ++valueEnd;
                }
                i = valueEnd;
            }
            links.push_back({src, DecodeEntities(html.substr(valueStart, valueEnd - valueStart))});
        }
        tag = tagEnd;
    }
    return links;
}

std::optional<std::string> ResolveLink(const std::string& fromTopic, const std::string& target) {
    std::string path = TrimBlanks(target);
    if (path.empty() || path[0] == '#' || HasScheme(path)) {
        return std::nullopt;
    }
    if (const auto anchor = path.find('#'); anchor != std::string::npos) {
        path.erase(anchor);
    }
    std::string base;
    if (path[0] != '/') {
        const auto slash = fromTopic.rfind('/');
        base = slash == std::string::npos ? std::string() : fromTopic.substr(0, slash + 1);
    }
    std::string folded;
    if (!FoldPath(base + path, folded)) {
        return std::string();
    }
    return folded;
}

std::string PlainText(const std::string& html) {
    const std::string lower = Lower(html);
    std::string text;
    std::size_t i = 0;
    while (i < html.size()) {
        if (html[i] != '<') {
            const auto next = html.find('<', i);
            const std::size_t end = next == std::string::npos ? html.size() : next;
            text += DecodeEntities(html.substr(i, end - i));
            i = end;
            continue;
        }
        std::string skipTo = ">";
        if (lower.compare(i, 4, "<!--") == 0) {
            skipTo = "-->";
        } else if (lower.compare(i, 7, "<script") == 0) {
            skipTo = "</script>";
        } else if (lower.compare(i, 6, "<style") == 0) {
            skipTo = "</style>";
        } else if (lower.compare(i, 6, "<title") == 0) {
            skipTo = "</title>";
        }
        const auto end = lower.find(skipTo, i);
        i = end == std::string::npos ? html.size() : end + skipTo.size();
        text += ' ';
    }
    std::string collapsed;
    for (const char c : text) {
        const bool blank = std::isspace(static_cast<unsigned char>(c)) != 0;
        if (blank) {
            if (!collapsed.empty() && collapsed.back() != ' ') {
                collapsed += ' ';
            }
        } else {
            collapsed += c;
        }
    }
    return TrimBlanks(collapsed);
}

std::string PageTitle(const std::string& html) {
    const std::string lower = Lower(html);
    const auto open = lower.find("<title");
    if (open == std::string::npos) {
        return {};
    }
    const auto start = lower.find('>', open);
    const auto end = lower.find("</title>", open);
    if (start == std::string::npos || end == std::string::npos || end < start) {
        return {};
    }
    return PlainText(html.substr(start + 1, end - start - 1));
}

void HelpSearchIndex::Add(const std::string& topic, const std::string& html) {
    Page page;
    page.topic = topic;
    page.title = PageTitle(html);
    if (page.title.empty()) {
        page.title = topic;
    }
    page.lowerTitle = Lower(page.title);
    page.lowerText = Lower(PlainText(html));
    pages.push_back(std::move(page));
}

std::vector<HelpSearchIndex::Hit> HelpSearchIndex::Search(const std::string& query) const {
    std::vector<std::string> words;
    const std::string lower = Lower(query);
    std::size_t i = 0;
    while (i < lower.size()) {
        while (i < lower.size() && std::isspace(static_cast<unsigned char>(lower[i]))) {
            ++i;
        }
        std::size_t end = i;
        while (end < lower.size() && !std::isspace(static_cast<unsigned char>(lower[end]))) {
            ++end;
        }
        if (end > i) {
            words.push_back(lower.substr(i, end - i));
        }
        i = end;
    }
    struct Ranked {
        Hit hit;
        int titleWords = 0;
    };
    std::vector<Ranked> ranked;
    if (words.empty()) {
        return {};
    }
    for (const Page& page : pages) {
        int occurrences = 0;
        bool all = true;
        int titleWords = 0;
        for (const std::string& word : words) {
            int count = 0;
            for (auto at = page.lowerText.find(word); at != std::string::npos;
                 at = page.lowerText.find(word, at + word.size())) {
                ++count;
            }
            const bool titled = page.lowerTitle.find(word) != std::string::npos;
            titleWords += titled ? 1 : 0;
            if (count == 0 && !titled) {
                all = false;
                break;
            }
            occurrences += count;
        }
        if (all) {
            ranked.push_back({{page.topic, page.title, occurrences}, titleWords});
        }
    }
    std::stable_sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) {
        if (a.titleWords != b.titleWords) {
            return a.titleWords > b.titleWords;
        }
        if (a.hit.occurrences != b.hit.occurrences) {
            return a.hit.occurrences > b.hit.occurrences;
        }
        return a.hit.title < b.hit.title;
    });
    std::vector<Hit> hits;
    for (const Ranked& r : ranked) {
        hits.push_back(r.hit);
    }
    return hits;
}

}  // namespace jw
