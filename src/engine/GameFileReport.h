// A readable account of a game file (a saved game, the held game, the
// bookmark, or a layout): the header with every counter, the rules, the
// board level by level and the undo and redo records. jadewind-tool replay
// prints it, so that players and developers can look into a shared file.
#pragma once

#include <optional>
#include <string>

namespace jw {

// The account of a game file's text (scrambled, as stored), as lines ending
// in '\n'. Nothing in the file is trusted: unreadable values are shown as
// "?" and records off the board are counted, not placed. Nothing when the
// text has fewer lines than a game file needs.
std::optional<std::string> GameFileReport(const std::string& fileText);

// Whether the text is a file of one of the kinds this program writes (a
// custom layout, a saved game, the held game or a bookmark): enough lines,
// and a known kind in the header. Any other file, a picture for instance,
// is not.
bool IsGameFileText(const std::string& fileText);

}  // namespace jw
