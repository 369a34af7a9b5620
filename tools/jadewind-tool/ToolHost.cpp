#include "ToolHost.h"

#include <unistd.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <random>

namespace jw::tool {

MessageAnswer ToolHost::ShowMessage(MessageKind, const std::string& text, MessageButtons buttons) {
    std::string line = text;
    for (char& c : line) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    std::cerr << "message: " << line << "\n";
    messages.push_back(line);
    return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel
               ? MessageAnswer::Yes
               : MessageAnswer::Ok;
}

AdviceAnswer ToolHost::ShowAdviceWindow(const std::string& text, int) {
    ShowMessage(MessageKind::Information, text, MessageButtons::Ok);
    return {};
}

AdviceAnswer ToolHost::ConfirmAdviceWindow(const std::string& text, bool) {
    ShowMessage(MessageKind::Confirmation, text, MessageButtons::Ok);
    return {};
}

LocalTime ToolHost::Now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900,
            local.tm_mon + 1,
            local.tm_mday,
            local.tm_hour,
            local.tm_min,
            local.tm_sec,
            0};
}

std::int64_t ToolHost::MonotonicMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

int ToolHost::Random(int range) {
    static std::mt19937 generator{std::random_device{}()};
    if (range < 1) {
        return 0;
    }
    return static_cast<int>(generator() % static_cast<unsigned>(range));
}

std::string ExecutableFolder() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return ".";
    }
    return exe.parent_path().string();
}

}  // namespace jw::tool
