#include "shell/AboutText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/TempFolder.h"

namespace jw {
namespace {

void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

TEST(About, VersionLine) {
    EXPECT_EQ(AboutVersionLine(), "Jadewind 2007 - Version 4.3 - Sept 25, 2007");
}

TEST(About, GraphicsPacksFollowTheirTileCatalogues) {
    test::TempFolder folder;
    const std::string program = folder.Path().string();
    EXPECT_EQ(GraphicsPackLines(program), std::vector<std::string>{"Graphics Pack not installed."});

    // A version file alone installs nothing.
    WriteFile(folder.Path() / "gp" / "GPD01.dat", "[Version]\r\nVers=1.2\r\n");
    EXPECT_EQ(GraphicsPackLines(program + "/"),
              std::vector<std::string>{"Graphics Pack not installed."});

    WriteFile(folder.Path() / "gp" / "t01.dat", "[MahJong type]\r\n");
    WriteFile(folder.Path() / "gp" / "t02.dat", "[Matching type]\r\n");
    WriteFile(folder.Path() / "gp" / "GPD02.dat", "\x01\x02 damaged");
    EXPECT_EQ(GraphicsPackLines(program),
              (std::vector<std::string>{"Graphics Pack installed:", "Volume 1 (version 1.2)",
                                        "Volume 2"}));
}

}  // namespace
}  // namespace jw
