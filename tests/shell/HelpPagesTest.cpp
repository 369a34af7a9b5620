#include "shell/HelpPages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "shell/WebPages.h"

namespace jw {
namespace {

namespace fs = std::filesystem;

TEST(HelpTopic, NamesAPageRelativeToTheHelpFolder) {
    EXPECT_EQ(NormalizeTopic("html/rules/rules.htm"), "html/rules/rules.htm");
    EXPECT_EQ(NormalizeTopic("::/html/rules/rules_memoryup.htm"), "html/rules/rules_memoryup.htm");
    EXPECT_EQ(NormalizeTopic("jadewind.chm::/html/rules/rules.htm"), "html/rules/rules.htm");
    EXPECT_EQ(NormalizeTopic("html\\windows\\players.htm"), "html/windows/players.htm");
    EXPECT_EQ(NormalizeTopic("/html/./windows/../index.htm#top"), "html/index.htm");
    EXPECT_EQ(NormalizeTopic("  html/keyboard.htm "), "html/keyboard.htm");
}

TEST(HelpTopic, EmptyOrEscapingTopicsGiveTheFrontPage) {
    EXPECT_EQ(NormalizeTopic(""), kHelpFrontPage);
    EXPECT_EQ(NormalizeTopic("#anchor"), kHelpFrontPage);
    EXPECT_EQ(NormalizeTopic("../../etc/passwd"), kHelpFrontPage);
    EXPECT_EQ(NormalizeTopic("html/../../cnfg.dat"), kHelpFrontPage);
}

TEST(HelpFolder, BesideTheProgramFirstThenTheInstalledDataFolder) {
    const auto candidates = HelpFolderCandidates("/usr/libexec/jadewind/");
    ASSERT_EQ(candidates.size(), 3u);
    EXPECT_EQ(candidates[0], "/usr/libexec/jadewind/help/");
    EXPECT_EQ(fs::path(candidates[2]).lexically_normal(), fs::path("/usr/share/jadewind/help/"));
    EXPECT_EQ(fs::path(HelpFolderCandidates("/opt/jw/bin/")[1]).lexically_normal(),
              fs::path("/opt/jw/share/jadewind/help/"));

    std::set<std::string> present = {"/usr/libexec/jadewind/../../share/jadewind/help/" +
                                     std::string(kHelpFrontPage)};
    const auto exists = [&](const std::string& path) { return present.count(path) > 0; };
    EXPECT_EQ(FindHelpFolder("/usr/libexec/jadewind/", exists),
              "/usr/libexec/jadewind/../../share/jadewind/help/");
    present.insert("/usr/libexec/jadewind/help/" + std::string(kHelpFrontPage));
    EXPECT_EQ(FindHelpFolder("/usr/libexec/jadewind/", exists), "/usr/libexec/jadewind/help/");
    EXPECT_FALSE(FindHelpFolder("/elsewhere/", exists).has_value());
}

TEST(HelpContents, ReadsTitlesTopicsAndDepths) {
    const auto entries = ParseHelpContents(
        "# comment\r\nFront | html/index.htm\r\n  News | html/whatsnew.htm\r\n\r\n"
        "Heading\n      Too deep | html/a.htm\n  Back | html/b.htm\nNo topic |\n");
    ASSERT_EQ(entries.size(), 6u);
    EXPECT_EQ(entries[0].title, "Front");
    EXPECT_EQ(entries[0].topic, "html/index.htm");
    EXPECT_EQ(entries[0].depth, 0);
    EXPECT_EQ(entries[1].depth, 1);
    EXPECT_EQ(entries[1].topic, "html/whatsnew.htm");
    EXPECT_EQ(entries[2].title, "Heading");
    EXPECT_TRUE(entries[2].topic.empty());
    // Three levels below a top-level heading is lifted to one below it.
    EXPECT_EQ(entries[3].depth, 1);
    EXPECT_EQ(entries[4].depth, 1);
    EXPECT_EQ(entries[5].title, "No topic");
    EXPECT_TRUE(entries[5].topic.empty());
}

TEST(HelpLinks, FindsHrefAndSrcInEveryQuotingStyle) {
    const auto links = ExtractLinks(
        "<p><a href=\"a.htm\">a</a> <A HREF='b.htm#x'>b</A> <a href=c.htm>c</a>"
        "<img alt=\"x\" src = \"images/p.png\"> <!-- <a href=\"gone.htm\"> -->"
        "<img srcset=\"no.png\" data-src=\"no2.png\"> <a href=\"q.htm?a=1&amp;b=2\">"
        "<a title=\"href=fake.htm\" href=\"real.htm\">");
    ASSERT_EQ(links.size(), 6u);
    EXPECT_EQ(links[0].target, "a.htm");
    EXPECT_FALSE(links[0].picture);
    EXPECT_EQ(links[1].target, "b.htm#x");
    EXPECT_EQ(links[2].target, "c.htm");
    EXPECT_EQ(links[3].target, "images/p.png");
    EXPECT_TRUE(links[3].picture);
    EXPECT_EQ(links[4].target, "q.htm?a=1&b=2");
    EXPECT_EQ(links[5].target, "real.htm");
}

TEST(HelpLinks, ResolveAgainstThePageThatMakesThem) {
    EXPECT_EQ(ResolveLink("html/rules/rules.htm", "scoring.htm"), "html/rules/scoring.htm");
    EXPECT_EQ(ResolveLink("html/rules/rules.htm", "../windows/main.htm#menus"),
              "html/windows/main.htm");
    EXPECT_EQ(ResolveLink("html/index.htm", "images/shots/a.png"), "html/images/shots/a.png");
    EXPECT_EQ(ResolveLink("html/index.htm", "/html/keyboard.htm"), "html/keyboard.htm");
    EXPECT_FALSE(ResolveLink("html/index.htm", "#top").has_value());
    EXPECT_FALSE(ResolveLink("html/index.htm", "http://example.org/").has_value());
    EXPECT_FALSE(ResolveLink("html/index.htm", "mailto:someone@example.org").has_value());
    // Climbing out of the help folder leads nowhere.
    EXPECT_EQ(ResolveLink("html/index.htm", "../../outside.htm"), "");
}

TEST(HelpText, DropsTagsScriptsAndDecodesEntities) {
    const std::string html =
        "<html><head><title>Scoring &amp; bonuses</title><style>p{}</style></head>"
        "<body><script>var hidden;</script><p>Tiles&nbsp;left:\n\n  <b>144</b></p>"
        "<!-- not shown --></body></html>";
    EXPECT_EQ(PageTitle(html), "Scoring & bonuses");
    EXPECT_EQ(PlainText(html), "Tiles left: 144");
    EXPECT_EQ(PageTitle("<p>no title</p>"), "");
}

TEST(HelpSearch, EveryWordMustOccurAndTitlesRankFirst) {
    HelpSearchIndex index;
    index.Add("html/a.htm", "<title>Scoring</title><p>tiles tiles tiles bonus</p>");
    index.Add("html/b.htm",
              "<title>Rules</title><p>Free TILES, scoring of tiles, tiles, tiles</p>");
    index.Add("html/c.htm", "<title>Memory-Up</title><p>face down</p>");
    EXPECT_EQ(index.Size(), 3u);

    const auto tiles = index.Search("Tiles");
    ASSERT_EQ(tiles.size(), 2u);
    EXPECT_EQ(tiles[0].topic, "html/b.htm");  // more occurrences
    EXPECT_EQ(tiles[0].occurrences, 4);

    const auto scoring = index.Search("scoring tiles");
    ASSERT_EQ(scoring.size(), 2u);
    EXPECT_EQ(scoring[0].topic, "html/a.htm");  // "scoring" in its title, fewer "tiles"
    EXPECT_EQ(scoring[0].title, "Scoring");

    EXPECT_EQ(index.Search("memory-up").size(), 1u);
    EXPECT_TRUE(index.Search("tiles dragon").empty());
    EXPECT_TRUE(index.Search("   ").empty());
}

TEST(WebCommands, WithoutASiteOpenHelpPages) {
    EXPECT_EQ(WebCommandTarget(WebPage::HomePage, "").address, kHelpFrontPage);
    EXPECT_EQ(WebCommandTarget(WebPage::ProductNews, " ").address, kHelpWhatsNewPage);
    const WebTarget update = WebCommandTarget(WebPage::ProgramUpdate, "");
    EXPECT_FALSE(update.external);
    EXPECT_EQ(update.address, kHelpInstallingPage);
}

TEST(WebCommands, WithASiteOpenItsPagesWithAScheme) {
    const WebTarget home = WebCommandTarget(WebPage::HomePage, "games.example.org");
    EXPECT_TRUE(home.external);
    EXPECT_EQ(home.address, "http://games.example.org");
    EXPECT_EQ(WebCommandTarget(WebPage::ProductNews, "https://games.example.org/jw/").address,
              "https://games.example.org/jw/whatsnew.htm");
    EXPECT_EQ(WebCommandTarget(WebPage::ProgramUpdate, "games.example.org/jw").address,
              "http://games.example.org/jw/download.htm");
    EXPECT_EQ(WithWebScheme("  ftp://x.org "), "ftp://x.org");
    EXPECT_EQ(WithWebScheme("x.org/a"), "http://x.org/a");
    EXPECT_EQ(WithWebScheme(""), "");
}

// The help as it is built beside the programs.
class ShippedHelp : public ::testing::Test {
  protected:
    static fs::path Folder() { return fs::path(JW_BIN_DIR) / "help"; }

    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    static std::vector<std::string> Pages() {
        std::vector<std::string> pages;
        for (const auto& entry : fs::recursive_directory_iterator(Folder() / "html")) {
            if (entry.path().extension() == ".htm") {
                pages.push_back(entry.path().lexically_relative(Folder()).generic_string());
            }
        }
        return pages;
    }
};

TEST_F(ShippedHelp, EveryLinkAndPictureOfEveryPageResolves) {
    const auto pages = Pages();
    ASSERT_GT(pages.size(), 20u);
    int links = 0;
    int pictures = 0;
    for (const std::string& page : pages) {
        const std::string html = Read(Folder() / page);
        EXPECT_FALSE(PageTitle(html).empty()) << page << " has no title";
        for (const HelpLink& link : ExtractLinks(html)) {
            const auto target = ResolveLink(page, link.target);
            if (!target) {
                continue;
            }
            ++(link.picture ? pictures : links);
            EXPECT_TRUE(!target->empty() && fs::is_regular_file(Folder() / *target))
                << page << " links to " << link.target;
        }
    }
    EXPECT_GT(links, 100);
    EXPECT_GE(pictures, 6);
}

TEST_F(ShippedHelp, TheContentsNameEveryPageAndOnlyPagesThatExist) {
    const auto entries = ParseHelpContents(Read(Folder() / kHelpContentsFile));
    std::set<std::string> listed;
    for (const HelpContentsEntry& entry : entries) {
        if (!entry.topic.empty()) {
            EXPECT_TRUE(fs::is_regular_file(Folder() / entry.topic)) << entry.topic;
            listed.insert(entry.topic);
        }
    }
    for (const std::string& page : Pages()) {
        EXPECT_EQ(listed.count(page), 1u) << page << " is missing from the contents";
    }
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries.front().topic, kHelpFrontPage);
}

TEST_F(ShippedHelp, TheFixedTopicsExist) {
    for (const char* topic :
         {kHelpFrontPage, kHelpWhatsNewPage, kHelpInstallingPage, "html/rules/rules.htm",
          "html/rules/rules_memoryup.htm", "html/windows/players.htm", "html/windows/open_game.htm",
          "html/windows/game_number.htm", "html/windows/statistics.htm",
          "html/windows/layout_manager.htm", "html/windows/customize.htm"}) {
        EXPECT_TRUE(fs::is_regular_file(Folder() / topic)) << topic;
    }
}

// Every window names its page with a literal topic in the sources; each
// one must be a page of the help.
TEST_F(ShippedHelp, EveryTopicTheProgramNamesIsAPage) {
    const std::regex topic(R"re("(?:::/)?(html/[A-Za-z0-9_/]+\.htm)")re");
    int found = 0;
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(JW_SOURCE_DIR) / "src")) {
        const auto extension = entry.path().extension();
        if (extension != ".cpp" && extension != ".h") {
            continue;
        }
        const std::string text = Read(entry.path());
        for (std::sregex_iterator it(text.begin(), text.end(), topic), end; it != end; ++it) {
            ++found;
            EXPECT_TRUE(fs::is_regular_file(Folder() / (*it)[1].str()))
                << entry.path().filename() << " names " << (*it)[1];
        }
    }
    EXPECT_GE(found, 3);  // at least the front page and the two web pages
}

}  // namespace
}  // namespace jw
