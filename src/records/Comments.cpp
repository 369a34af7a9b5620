#include "records/Comments.h"

#include <filesystem>
#include <system_error>

#include "platform/Host.h"
#include "platform/SaveFile.h"
#include "platform/TextFile.h"

namespace jw {

std::string CommentPath(const std::string& dataFolder, std::string_view gameName) {
    std::string name = "Comments_";
    for (const char c : gameName) {
        name += c == '/' || c == '\\' ? '_' : c;
    }
    name += ".rtf";
    return (std::filesystem::path(dataFolder) / name).string();
}

bool HasComment(const std::string& dataFolder, std::string_view gameName) {
    std::error_code error;
    return std::filesystem::is_regular_file(CommentPath(dataFolder, gameName), error);
}

StyledText LoadComment(const std::string& dataFolder, std::string_view gameName) {
    const auto bytes = ReadFileBytes(CommentPath(dataFolder, gameName), kMaxCommentBytes);
    return bytes ? ReadRtf(*bytes) : StyledText{};
}

bool IsEmptyComment(const StyledText& text) {
    return PlainText(text).find_first_not_of(" \t\r\n") == std::string::npos;
}

bool SaveComment(Host& host, const std::string& dataFolder, std::string_view gameName,
                 const StyledText& text) {
    const std::string path = CommentPath(dataFolder, gameName);
    if (IsEmptyComment(text)) {
        std::error_code error;
        std::filesystem::remove(path, error);
        if (error) {
            host.ShowMessage(MessageKind::Error, std::string(kCommentNotRemoved) + path,
                             MessageButtons::Ok);
            return false;
        }
        return true;
    }
    if (!WriteFileAtomically(path, WriteRtf(text))) {
        host.ShowMessage(MessageKind::Error, std::string(kCommentNotSaved) + path,
                         MessageButtons::Ok);
        return false;
    }
    return true;
}

}  // namespace jw
