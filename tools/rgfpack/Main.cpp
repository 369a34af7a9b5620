// rgfpack: builds a resource library from folder trees.
//
//   rgfpack OUT.rgf [--manifest FILE [--check-kinds KIND,...]] DIR...
//
// Every file DIR/KIND/NAME.ext becomes the entry KIND/NAME (the extension
// dropped); KIND is one of BITMAP, ICON, CURSOR, JPEG, WAVE, GAMES. Entries
// are stored in sorted order with one fixed time stamp, so the same input
// always gives the same bytes. With a manifest (one KIND/NAME per line, '#'
// comments) every listed entry must be present, or nothing is written;
// --check-kinds limits that check to the kinds a build makes.
// The library is replaced only when its contents change.
#include <zip.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::set<std::string> kKinds = {"BITMAP", "ICON", "CURSOR", "JPEG", "WAVE", "GAMES"};

// 1 January 2007, 00:00, in MS-DOS form.
constexpr zip_uint16_t kDosDate = ((2007 - 1980) << 9) | (1 << 5) | 1;
constexpr zip_uint16_t kDosTime = 0;

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Entry name -> file, by the lower-case name.
bool Collect(const std::vector<fs::path>& roots,
             std::map<std::string, std::pair<std::string, fs::path>>& entries) {
    bool ok = true;
    for (const fs::path& root : roots) {
        if (!fs::is_directory(root)) {
            std::cerr << "rgfpack: " << root.string() << " is not a folder\n";
            ok = false;
            continue;
        }
        for (const auto& kindDir : fs::directory_iterator(root)) {
            if (!kindDir.is_directory()) {
                continue;
            }
            const std::string kind = kindDir.path().filename().string();
            if (kKinds.count(kind) == 0) {
                std::cerr << "rgfpack: " << kindDir.path().string() << ": unknown kind " << kind
                          << "\n";
                ok = false;
                continue;
            }
            for (const auto& file : fs::directory_iterator(kindDir.path())) {
                if (!file.is_regular_file()) {
                    continue;
                }
                const std::string entry = kind + "/" + file.path().stem().string();
                const auto [it, added] =
                    entries.emplace(Lower(entry), std::make_pair(entry, file.path()));
                if (!added) {
                    std::cerr << "rgfpack: " << entry << " comes from both "
                              << it->second.second.string() << " and " << file.path().string()
                              << "\n";
                    ok = false;
                }
            }
        }
    }
    return ok;
}

bool CheckManifest(const fs::path& manifest, const std::set<std::string>& onlyKinds,
                   const std::map<std::string, std::pair<std::string, fs::path>>& entries) {
    std::ifstream in(manifest);
    if (!in) {
        std::cerr << "rgfpack: cannot read the manifest " << manifest.string() << "\n";
        return false;
    }
    bool ok = true;
    int lineNo = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNo;
        while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back()))) {
            line.pop_back();
        }
        const std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line[start] == '#') {
            continue;
        }
        line = line.substr(start);
        if (!onlyKinds.empty() && onlyKinds.count(line.substr(0, line.find('/'))) == 0) {
            continue;
        }
        if (entries.count(Lower(line)) == 0) {
            std::cerr << manifest.string() << ":" << lineNo << ": " << line
                      << " is listed but was not made\n";
            ok = false;
        }
    }
    return ok;
}

bool Pack(const fs::path& out,
          const std::map<std::string, std::pair<std::string, fs::path>>& entries) {
    int code = 0;
    zip_t* archive = zip_open(out.string().c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (archive == nullptr) {
        std::cerr << "rgfpack: cannot create " << out.string() << "\n";
        return false;
    }
    // The map is ordered by the lower-case name: a stable, sorted order.
    for (const auto& [key, entry] : entries) {
        zip_source_t* source = zip_source_file(archive, entry.second.string().c_str(), 0, -1);
        if (source == nullptr) {
            std::cerr << "rgfpack: cannot read " << entry.second.string() << "\n";
            zip_discard(archive);
            return false;
        }
        const zip_int64_t index = zip_file_add(archive, entry.first.c_str(), source, 0);
        if (index < 0) {
            std::cerr << "rgfpack: cannot add " << entry.first << ": " << zip_strerror(archive)
                      << "\n";
            zip_source_free(source);
            zip_discard(archive);
            return false;
        }
        zip_file_set_dostime(archive, static_cast<zip_uint64_t>(index), kDosTime, kDosDate, 0);
    }
    if (zip_close(archive) != 0) {
        std::cerr << "rgfpack: cannot write " << out.string() << ": " << zip_strerror(archive)
                  << "\n";
        zip_discard(archive);
        return false;
    }
    return true;
}

// Whether the library already holds exactly these entries and no input is
// newer than it (the list of entries packed last is kept beside it).
bool UpToDate(const fs::path& out, const fs::path& manifest,
              const std::map<std::string, std::pair<std::string, fs::path>>& entries) {
    std::error_code error;
    const fs::path list = out.string() + ".list";
    const auto packed = fs::last_write_time(out, error);
    if (error || !fs::exists(list)) {
        return false;
    }
    std::string names;
    for (const auto& [key, entry] : entries) {
        names += entry.first + "\n";
        if (fs::last_write_time(entry.second, error) > packed || error) {
            return false;
        }
    }
    if (!manifest.empty() && (fs::last_write_time(manifest, error) > packed || error)) {
        return false;
    }
    return ReadAll(list) == names;
}

void WriteList(const fs::path& out,
               const std::map<std::string, std::pair<std::string, fs::path>>& entries) {
    std::ofstream list(out.string() + ".list", std::ios::binary | std::ios::trunc);
    for (const auto& [key, entry] : entries) {
        list << entry.first << "\n";
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    fs::path out;
    fs::path manifest;
    std::set<std::string> onlyKinds;
    std::vector<fs::path> roots;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--manifest" && i + 1 < args.size()) {
            manifest = args[++i];
        } else if (args[i] == "--check-kinds" && i + 1 < args.size()) {
            std::string kinds = args[++i];
            for (std::size_t comma; (comma = kinds.find(',')) != std::string::npos;) {
                onlyKinds.insert(kinds.substr(0, comma));
                kinds.erase(0, comma + 1);
            }
            onlyKinds.insert(kinds);
        } else if (out.empty()) {
            out = args[i];
        } else {
            roots.emplace_back(args[i]);
        }
    }
    if (out.empty() || roots.empty()) {
        std::cerr << "Usage: rgfpack OUT.rgf [--manifest FILE [--check-kinds KIND,...]] DIR...\n";
        return 2;
    }
    std::map<std::string, std::pair<std::string, fs::path>> entries;
    if (!Collect(roots, entries)) {
        return 1;
    }
    if (!manifest.empty() && !CheckManifest(manifest, onlyKinds, entries)) {
        std::cerr << "rgfpack: " << out.string() << " not written\n";
        return 1;
    }
    if (UpToDate(out, manifest, entries)) {
        return 0;
    }
    const fs::path temp = out.string() + ".new";
    if (!Pack(temp, entries)) {
        return 1;
    }
    std::error_code error;
    if (fs::exists(out) && ReadAll(out) == ReadAll(temp)) {
        // Same bytes: keep the old file, but mark it as checked now.
        fs::remove(temp, error);
        fs::last_write_time(out, fs::file_time_type::clock::now(), error);
    } else {
        fs::rename(temp, out, error);
        if (error) {
            std::cerr << "rgfpack: cannot replace " << out.string() << ": " << error.message()
                      << "\n";
            return 1;
        }
    }
    WriteList(out, entries);
    return 0;
}
