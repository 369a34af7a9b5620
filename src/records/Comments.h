// A comment per game: "Comments_" + game name + ".rtf" in the data folder. A
// game has a comment when its file exists; an empty comment has no file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "records/RichText.h"

namespace jw {

class Host;

// Comment files larger than this are not read (a damaged or foreign file).
inline constexpr std::uintmax_t kMaxCommentBytes = 16u * 1024u * 1024u;

inline constexpr std::string_view kCommentNotSaved = "The comment could not be saved in the file: ";
inline constexpr std::string_view kCommentNotRemoved =
    "The empty comment's file could not be deleted: ";

// The path of a game's comment file. A slash or backslash in the name
// (possible in a custom layout's name) becomes an underscore.
std::string CommentPath(const std::string& dataFolder, std::string_view gameName);

bool HasComment(const std::string& dataFolder, std::string_view gameName);

// The game's comment; a missing or unreadable file reads as an empty comment.
StyledText LoadComment(const std::string& dataFolder, std::string_view gameName);

// Whether the text counts as no comment at all (nothing but blanks and line
// ends).
bool IsEmptyComment(const StyledText& text);

// Stores the comment: an empty one deletes the file, any other is written
// crash-safely. On failure the host is told and the old file stays as it
// was; returns whether the comment was stored.
bool SaveComment(Host& host, const std::string& dataFolder, std::string_view gameName,
                 const StyledText& text);

}  // namespace jw
