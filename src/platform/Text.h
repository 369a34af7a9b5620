// The two text helpers every reader of the program's files shares.
#pragma once

#include <string>
#include <string_view>

namespace jw {

// The text without blanks (spaces and tabs) at either end.
std::string_view Trim(std::string_view text);
// The text without blanks at its end.
std::string_view TrimRight(std::string_view text);

// Whether two names are equal without regard to ASCII letter case.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
// The text with ASCII letters in lower case.
std::string ToLowerAscii(std::string_view text);

// The text with every control character but the line feed and the tab
// written as "\xNN", so that bytes from a file cannot steer a terminal.
std::string EscapeControlCharacters(std::string_view text);

}  // namespace jw
