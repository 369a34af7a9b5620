#include "presentation/ResourceLibrary.h"

#include <zip.h>

#include <algorithm>
#include <filesystem>

namespace jw {

namespace {

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return out;
}

std::string ZipErrorText(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    return text;
}

void SetError(std::string* error, std::string text) {
    if (error != nullptr) {
        *error = std::move(text);
    }
}

}  // namespace

ResourceLibrary::~ResourceLibrary() {
    if (archive != nullptr) {
        zip_discard(archive);
    }
}

std::string ResourceLibrary::CantLoadMessage(std::string_view path) {
    return "Can't find/load " + Lower(path);
}

std::unique_ptr<ResourceLibrary> ResourceLibrary::Open(const std::string& path,
                                                       std::string* error) {
    std::error_code sizeError;
    if (std::filesystem::file_size(path, sizeError) == 0 && !sizeError) {
        SetError(error, path + ": empty file");
        return nullptr;
    }
    int code = 0;
    // The consistency check compares the central directory with the local
    // headers, which refuses a truncated archive at once.
    zip* archive = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (archive == nullptr) {
        SetError(error, path + ": " + ZipErrorText(code));
        return nullptr;
    }
    std::unique_ptr<ResourceLibrary> library(new ResourceLibrary());
    library->archive = archive;
    if (!library->Index(error)) {
        return nullptr;
    }
    return library;
}

std::unique_ptr<ResourceLibrary> ResourceLibrary::OpenBytes(std::string bytes, std::string* error) {
    // An empty buffer would read as an archive without entries.
    if (bytes.empty()) {
        SetError(error, "empty file");
        return nullptr;
    }
    std::unique_ptr<ResourceLibrary> library(new ResourceLibrary());
    library->memory = std::move(bytes);
    zip_error_t zipError;
    zip_error_init(&zipError);
    zip_source_t* source =
        zip_source_buffer_create(library->memory.data(), library->memory.size(), 0, &zipError);
    if (source == nullptr) {
        SetError(error, zip_error_strerror(&zipError));
        zip_error_fini(&zipError);
        return nullptr;
    }
    library->archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &zipError);
    if (library->archive == nullptr) {
        SetError(error, zip_error_strerror(&zipError));
        zip_error_fini(&zipError);
        zip_source_free(source);
        return nullptr;
    }
    zip_error_fini(&zipError);
    if (!library->Index(error)) {
        return nullptr;
    }
    return library;
}

bool ResourceLibrary::Index(std::string* error) {
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    if (count < 0) {
        SetError(error, "not a resource library");
        return false;
    }
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name = zip_get_name(archive, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW);
        if (name == nullptr) {
            SetError(error, "damaged entry " + std::to_string(i));
            return false;
        }
        const std::string entry = name;
        // Folders and names without a kind are not resources.
        if (entry.empty() || entry.back() == '/' || entry.find('/') == std::string::npos) {
            continue;
        }
        index.emplace(Lower(entry), static_cast<std::uint64_t>(i));
        names.push_back(entry);
    }
    std::sort(names.begin(), names.end());
    return true;
}

std::optional<std::string> ResourceLibrary::Find(std::string_view kind,
                                                 std::string_view name) const {
    std::string key = Lower(kind);
    key += '/';
    key += Lower(name);
    const auto found = index.find(key);
    if (found == index.end()) {
        return std::nullopt;
    }
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, found->second, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE) ||
        stat.size > kMaxResourceEntryBytes) {
        return std::nullopt;
    }
    zip_file_t* file = zip_fopen_index(archive, found->second, 0);
    if (file == nullptr) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(stat.size), '\0');
    std::size_t done = 0;
    bool ok = true;
    while (done < bytes.size()) {
        const zip_int64_t got = zip_fread(file, bytes.data() + done, bytes.size() - done);
        if (got <= 0) {
            ok = false;
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    // Reading past the end once more lets the library check the CRC.
    if (ok) {
        char extra = 0;
        ok = zip_fread(file, &extra, 1) == 0;
    }
    zip_fclose(file);
    if (!ok) {
        return std::nullopt;
    }
    return bytes;
}

std::vector<std::string> ResourceLibrary::EntryNames() const {
    return names;
}

}  // namespace jw
