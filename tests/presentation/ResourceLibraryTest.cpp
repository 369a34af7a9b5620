#include "presentation/ResourceLibrary.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "engine/GameCatalog.h"
#include "platform/TempFolder.h"
#include "platform/TextFile.h"
#include "presentation/AddOnLibraries.h"

namespace jw {
namespace {

// Writes a ZIP archive with the given entries.
void MakeArchive(const std::string& path, const std::map<std::string, std::string>& entries) {
    int code = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    ASSERT_NE(archive, nullptr);
    for (const auto& [name, bytes] : entries) {
        zip_source_t* source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
        ASSERT_GE(zip_file_add(archive, name.c_str(), source, 0), 0);
    }
    ASSERT_EQ(zip_close(archive), 0);
}

std::string ReadAll(const std::string& path) {
    return ReadFileBytes(path, 1 << 30).value_or("");
}

class Library : public ::testing::Test {
  protected:
    void SetUp() override {
        MakeArchive(path, {{"GAMES/G00000", "turtle"},
                           {"WAVE/Pairing", std::string(5000, 'w')},
                           {"BITMAP/", ""},
                           {"loose", "no kind"}});
    }
    test::TempFolder folder;
    std::string path = folder / "MahJong.rgf";
};

TEST_F(Library, FindsEntriesWithoutRegardToLetterCase) {
    const auto library = ResourceLibrary::Open(path);
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(library->Find("GAMES", "G00000"), "turtle");
    EXPECT_EQ(library->Find("games", "g00000"), "turtle");
    EXPECT_EQ(library->Find("wave", "PAIRING")->size(), 5000u);
    EXPECT_FALSE(library->Find("GAMES", "G00001"));
    EXPECT_FALSE(library->Find("BITMAP", "G00000"));
    EXPECT_EQ(library->EntryNames(), (std::vector<std::string>{"GAMES/G00000", "WAVE/Pairing"}));
}

TEST_F(Library, DamagedArchivesAreRefusedCleanly) {
    std::string error;
    EXPECT_EQ(ResourceLibrary::Open(folder / "missing.rgf", &error), nullptr);
    EXPECT_FALSE(error.empty());

    const std::string bytes = ReadAll(path);
    for (const std::size_t keep :
         {bytes.size() - 1, bytes.size() - 30, bytes.size() / 2, std::size_t{10}, std::size_t{0}}) {
        error.clear();
        EXPECT_EQ(ResourceLibrary::OpenBytes(bytes.substr(0, keep), &error), nullptr) << keep;
        EXPECT_FALSE(error.empty());
    }
    EXPECT_EQ(ResourceLibrary::OpenBytes(std::string(4096, 'x')), nullptr);

    // Damaged data behind an intact directory: the entry cannot be read.
    std::string damaged = bytes;
    const std::size_t data = damaged.find(std::string(20, 'w'));
    if (data != std::string::npos) {
        damaged[data + 5] = 'v';
    } else {
        // The data is compressed: flip a byte right after the first name.
        damaged[damaged.find("G00000") + 8] ^= 0x55;
    }
    const auto library = ResourceLibrary::OpenBytes(damaged);
    if (library) {
        EXPECT_FALSE(library->Find("WAVE", "Pairing") && library->Find("GAMES", "G00000") &&
                     *library->Find("WAVE", "Pairing") == std::string(5000, 'w') &&
                     *library->Find("GAMES", "G00000") == "turtle");
    }
}

// Entries stored and deflated, behind an archive comment, read the same;
// the file stays on disk and only the index is held.
TEST(LibraryFormat, StoredAndDeflatedEntriesBehindACommentReadWhole) {
    test::TempFolder folder;
    const std::string path = folder / "commented.rgf";
    std::string tones;
    for (int i = 0; i < 70000; ++i) {
        tones.push_back(static_cast<char>((i * 7) % 251));
    }
    const std::string text(100000, 'a');
    int code = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    ASSERT_NE(archive, nullptr);
    const zip_int64_t stored = zip_file_add(
        archive, "WAVE/Tones", zip_source_buffer(archive, tones.data(), tones.size(), 0), 0);
    ASSERT_GE(stored, 0);
    ASSERT_EQ(zip_set_file_compression(archive, static_cast<zip_uint64_t>(stored), ZIP_CM_STORE, 0),
              0);
    const zip_int64_t deflated = zip_file_add(
        archive, "GAMES/Text", zip_source_buffer(archive, text.data(), text.size(), 0), 0);
    ASSERT_GE(deflated, 0);
    ASSERT_EQ(
        zip_set_file_compression(archive, static_cast<zip_uint64_t>(deflated), ZIP_CM_DEFLATE, 9),
        0);
    const std::string comment = "made for a test";
    ASSERT_EQ(
        zip_set_archive_comment(archive, comment.data(), static_cast<zip_uint16_t>(comment.size())),
        0);
    ASSERT_EQ(zip_close(archive), 0);
    ASSERT_LT(std::filesystem::file_size(path), tones.size() + text.size() / 10);

    const auto library = ResourceLibrary::Open(path);
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(library->Find("WAVE", "tones"), tones);
    EXPECT_EQ(library->Find("games", "TEXT"), text);
    EXPECT_EQ(library->Find("WAVE", "tones"), tones);  // read again from the file
}

TEST(LibraryMessages, CantLoadNamesThePathInLowerCase) {
    EXPECT_EQ(ResourceLibrary::CantLoadMessage("/Opt/Jadewind/MahJong.rgf"),
              "Can't find/load /opt/jadewind/mahjong.rgf");
}

TEST(AddOns, SecondVolumeIsOpenedOnlyWhenTheFirstLacksTheEntry) {
    test::TempFolder folder;
    std::filesystem::create_directories(folder / "gp");
    MakeArchive(folder / "gp/t01.rgf", {{"BITMAP/one", "1"}});
    MakeArchive(folder / "gp/t02.rgf", {{"BITMAP/one", "other"}, {"BITMAP/two", "2"}});
    MakeArchive(folder / "gp/b02.rgf", {{"JPEG/sky", "blue"}});
    AddOnLibraries tiles(folder.Path().string(), AddOnFamily::Tiles);
    EXPECT_EQ(tiles.VolumePath(2), folder / "gp/t02.rgf");
    EXPECT_FALSE(tiles.IsOpen(1));
    EXPECT_EQ(tiles.Find("BITMAP", "ONE"), "1");
    EXPECT_TRUE(tiles.IsOpen(1));
    EXPECT_FALSE(tiles.IsOpen(2));
    EXPECT_EQ(tiles.Find("BITMAP", "two"), "2");
    EXPECT_TRUE(tiles.IsOpen(2));
    EXPECT_FALSE(tiles.Find("BITMAP", "three"));

    AddOnLibraries backgrounds(folder.Path().string() + "/", AddOnFamily::Backgrounds);
    EXPECT_EQ(backgrounds.Find("JPEG", "sky"), "blue");  // volume 1 is missing
    EXPECT_FALSE(backgrounds.Find("BITMAP", "one"));
}

// The library the build makes holds every entry of the manifest, and a
// layout for every game whose source exists. A build without the artwork
// generator (no Qt) makes only the layouts; the kinds it does not make at
// all are left out.
TEST(BuiltLibrary, HoldsEveryManifestEntry) {
    std::string error;
    const auto library = ResourceLibrary::Open(std::string(JW_BIN_DIR) + "/MahJong.rgf", &error);
    ASSERT_NE(library, nullptr) << error;
    std::set<std::string> madeKinds;
    for (const std::string& name : library->EntryNames()) {
        madeKinds.insert(name.substr(0, name.find('/')));
    }
    ASSERT_TRUE(madeKinds.count("GAMES"));
    const auto manifest = ReadLines(std::string(JW_SOURCE_DIR) + "/assets/manifest.txt", 1 << 20);
    ASSERT_TRUE(manifest);
    int listed = 0;
    for (const std::string& line : *manifest) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const std::size_t slash = line.find('/');
        ASSERT_NE(slash, std::string::npos) << line;
        if (madeKinds.count(line.substr(0, slash)) == 0) {
            continue;
        }
        EXPECT_TRUE(library->Find(line.substr(0, slash), line.substr(slash + 1))) << line;
        ++listed;
    }
    EXPECT_GT(listed, 0);
    for (GameId id = 0; id < kBuiltInGameCount; ++id) {
        char source[32];
        std::snprintf(source, sizeof source, "/assets/layouts/g%05d.txt", id);
        if (std::filesystem::exists(std::string(JW_SOURCE_DIR) + source)) {
            char entry[8];
            std::snprintf(entry, sizeof entry, "G%05d", id);
            EXPECT_TRUE(library->Find("GAMES", entry)) << entry;
        }
    }
}

}  // namespace
}  // namespace jw
