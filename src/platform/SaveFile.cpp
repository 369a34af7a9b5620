#include "platform/SaveFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace jw {

namespace {

// Writes all of `bytes` to `fd`, retrying short writes and interruptions.
bool WriteAll(int fd, std::string_view bytes) {
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// Makes the renamed file's entry itself durable by syncing its folder.
void SyncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

bool AppendFileBytes(const std::string& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    struct stat before {};
    bool ok = ::fstat(fd, &before) == 0 && S_ISREG(before.st_mode);
    if (ok && !(WriteAll(fd, bytes) && ::fsync(fd) == 0)) {
        ok = false;
        if (::ftruncate(fd, before.st_size) == 0) {
            ::fsync(fd);
        }
    }
    return ::close(fd) == 0 && ok;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    namespace fs = std::filesystem;
    if (path.empty()) {
        return false;
    }
    fs::path target(path);
    if (!target.has_filename()) {
        return false;
    }
    // Through a symbolic link the file it points to is replaced, so the link
    // the user made stays in place.
    std::error_code error;
    if (fs::is_symlink(fs::symlink_status(target, error))) {
        const fs::path resolved = fs::weakly_canonical(target, error);
        if (error) {
            return false;
        }
        target = resolved;
    }
    const std::string targetPath = target.string();
    const fs::path folder = target.parent_path();

    // The temporary file lives beside the target so the rename stays on one
    // file system; the leading dot keeps it out of ordinary listings.
    const std::string hidden = std::string(".").append(target.filename().string());
    std::string pattern = (folder / (hidden + ".tmp-XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        return false;
    }

    // A replaced file keeps its permission bits; a new one gets the usual 0644.
    mode_t mode = 0644;
    struct stat old {};
    if (::stat(targetPath.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        mode = old.st_mode & 07777;
    }

    bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) {
        ok = std::rename(pattern.c_str(), targetPath.c_str()) == 0;
    }
    if (!ok) {
        ::unlink(pattern.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const std::string& line : lines) {
        size += line.size() + 2;
    }
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

bool WriteLinesAtomically(const std::string& path, const std::vector<std::string>& lines) {
    return WriteFileAtomically(path, JoinLinesCrLf(lines));
}

}  // namespace jw
