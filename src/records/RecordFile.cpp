#include "records/RecordFile.h"

#include <filesystem>
#include <system_error>

#include "platform/SaveFile.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

namespace jw {

namespace {

namespace fs = std::filesystem;

// The lines of a record file. `readable` is false when the file exists but
// cannot be read or is too large: such a file is never written over.
struct Lines {
    bool readable = true;
    std::vector<std::string> lines;
};

Lines Load(const std::string& path) {
    std::error_code error;
    if (!fs::exists(path, error))
        return {};
    auto lines = ReadLines(path, kMaxRecordFileBytes);
    if (!lines)
        return {false, {}};
    return {true, std::move(*lines)};
}

bool IsHeader(std::string_view line) {
    const std::string_view text = TrimRight(line);
    return text.size() >= 2 && text.front() == '[' && text.back() == ']' &&
           text.find('=') == std::string_view::npos;
}

bool IsHeaderOf(std::string_view line, std::string_view section) {
    const std::string_view text = TrimRight(line);
    return IsHeader(text) && text.substr(1, text.size() - 2) == section;
}

// Index of the section's header line, or lines.size().
std::size_t FindHeader(const std::vector<std::string>& lines, std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (IsHeaderOf(lines[i], section))
            return i;
    return lines.size();
}

// Index one past the section's last body line.
std::size_t BodyEnd(const std::vector<std::string>& lines, std::size_t header) {
    std::size_t i = header + 1;
    while (i < lines.size() && !IsHeader(lines[i]))
        ++i;
    return i;
}

std::string_view KeyOf(std::string_view line) {
    const auto eq = line.find('=');
    return eq == std::string_view::npos ? TrimRight(line) : TrimRight(line.substr(0, eq));
}

std::string KeyLine(std::string_view key, std::string_view value) {
    std::string line;
    line.reserve(key.size() + 1 + value.size());
    line.append(key);
    line.push_back('=');
    line.append(value);
    return line;
}

bool Save(const std::string& path, const std::vector<std::string>& lines) {
    return WriteLinesAtomically(path, lines);
}

void AppendTo(std::vector<std::string>& lines, std::string_view section,
              const std::vector<std::string>& keys, const std::vector<std::string>& values) {
    lines.emplace_back();
    std::string header;
    header.reserve(section.size() + 2);
    header.push_back('[');
    header.append(section);
    header.push_back(']');
    lines.push_back(std::move(header));
    for (std::size_t i = 0; i < keys.size(); ++i)
        lines.push_back(KeyLine(keys[i], i < values.size() ? values[i] : std::string()));
}

void ReplaceBody(std::vector<std::string>& lines, std::size_t header,
                 const std::vector<std::string>& keys, const std::vector<std::string>& values) {
    const std::size_t end = BodyEnd(lines, header);
    std::vector<std::string> body;
    for (std::size_t i = 0; i < keys.size(); ++i)
        body.push_back(KeyLine(keys[i], i < values.size() ? values[i] : std::string()));
    body.emplace_back();
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(header + 1),
                lines.begin() + static_cast<std::ptrdiff_t>(end));
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(header + 1), body.begin(), body.end());
}

}  // namespace

std::string FindDataFile(const std::string& folder, std::string_view name) {
    const fs::path exact = fs::path(folder) / std::string(name);
    std::error_code error;
    if (fs::exists(exact, error))
        return exact.string();
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string found = it->path().filename().string();
        if (EqualsIgnoreCase(found, name))
            return it->path().string();
    }
    return exact.string();
}

bool EnsureRecordFile(const std::string& path, std::string_view versionKey) {
    std::error_code error;
    return fs::exists(path, error) || Save(path, {"[Version]", KeyLine(versionKey, "0300")});
}

std::string ReadValue(const std::string& path, std::string_view section, std::string_view key,
                      std::string_view fallback) {
    const Lines file = Load(path);
    const std::size_t header = FindHeader(file.lines, section);
    if (header == file.lines.size())
        return std::string(fallback);
    const std::size_t end = BodyEnd(file.lines, header);
    for (std::size_t i = header + 1; i < end; ++i) {
        const std::string& line = file.lines[i];
        const auto eq = line.find('=');
        if (eq != std::string::npos && KeyOf(line) == key)
            return std::string(TrimRight(std::string_view(line).substr(eq + 1)));
    }
    return std::string(fallback);
}

std::vector<std::string> ReadValues(const std::string& path, std::string_view section,
                                    const std::vector<std::string>& keys,
                                    const std::vector<std::string>& defaults) {
    std::vector<std::string> values(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        values[i] = i < defaults.size() ? defaults[i] : std::string();
    const Lines file = Load(path);
    const std::size_t header = FindHeader(file.lines, section);
    if (header == file.lines.size())
        return values;
    std::vector<bool> found(keys.size(), false);
    std::size_t left = keys.size();
    const std::size_t end = BodyEnd(file.lines, header);
    for (std::size_t i = header + 1; i < end && left > 0; ++i) {
        const std::string& line = file.lines[i];
        const auto eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        const std::string_view key = KeyOf(line);
        for (std::size_t k = 0; k < keys.size(); ++k) {
            if (found[k] || keys[k] != key)
                continue;
            values[k] = line.substr(eq + 1);
            found[k] = true;
            --left;
            break;
        }
    }
    return values;
}

namespace {

// Sets one value in the lines of a record file: in place when the key
// exists with a value of the same length, else by rebuilding the section,
// or by appending a missing section.
void SetValue(std::vector<std::string>& lines, std::string_view section, std::string_view key,
              std::string_view value) {
    const std::size_t header = FindHeader(lines, section);
    if (header == lines.size()) {
        AppendTo(lines, section, {std::string(key)}, {std::string(value)});
        return;
    }
    const std::size_t end = BodyEnd(lines, header);
    // Rebuild: the pairs with leading blanks of their values removed, empty
    // lines dropped, and lines that are no pair kept as they are.
    std::vector<std::string> body;
    bool replaced = false;
    for (std::size_t i = header + 1; i < end; ++i) {
        std::string& line = lines[i];
        const auto eq = line.find('=');
        if (eq == std::string::npos) {
            if (!TrimRight(line).empty())
                body.push_back(line);
            continue;
        }
        const bool match = !replaced && KeyOf(line) == key;
        if (match && line.size() - eq - 1 == value.size()) {
            line.replace(eq + 1, value.size(), value);
            return;
        }
        std::string_view rest = std::string_view(line).substr(eq + 1);
        while (!rest.empty() && rest.front() == ' ')
            rest.remove_prefix(1);
        if (match) {
            rest = value;  // the old value had another length
            replaced = true;
        }
        body.push_back(KeyLine(KeyOf(line), rest));
    }
    if (!replaced)
        body.push_back(KeyLine(key, value));
    body.emplace_back();
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(header + 1),
                lines.begin() + static_cast<std::ptrdiff_t>(end));
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(header + 1), body.begin(), body.end());
}

}  // namespace

bool WriteValue(const std::string& path, std::string_view section, std::string_view key,
                std::string_view value) {
    return WriteValues(path, section, {std::string(key)}, {std::string(value)});
}

bool WriteValues(const std::string& path, std::string_view section,
                 const std::vector<std::string>& keys, const std::vector<std::string>& values) {
    Lines file = Load(path);
    if (!file.readable)
        return false;
    for (std::size_t i = 0; i < keys.size(); ++i)
        SetValue(file.lines, section, keys[i], i < values.size() ? values[i] : std::string());
    return Save(path, file.lines);
}

bool WriteValuesInPlace(const std::string& path, std::string_view section,
                        const std::vector<std::string>& keys,
                        const std::vector<std::string>& values) {
    Lines file = Load(path);
    if (!file.readable)
        return false;
    auto& lines = file.lines;
    const std::size_t header = FindHeader(lines, section);
    if (header == lines.size()) {
        AppendTo(lines, section, keys, values);
        return Save(path, lines);
    }
    const std::size_t end = BodyEnd(lines, header);
    bool fits = end - header - 1 >= keys.size();
    for (std::size_t i = 0; fits && i < keys.size(); ++i) {
        const std::string& line = lines[header + 1 + i];
        const std::string value = i < values.size() ? values[i] : std::string();
        fits = line.size() == keys[i].size() + 1 + value.size() && line.find('=') == keys[i].size();
    }
    if (!fits) {
        ReplaceBody(lines, header, keys, values);
        return Save(path, lines);
    }
    for (std::size_t i = 0; i < keys.size(); ++i)
        lines[header + 1 + i] = KeyLine(keys[i], i < values.size() ? values[i] : std::string());
    return Save(path, lines);
}

bool ReplaceSection(const std::string& path, std::string_view section,
                    const std::vector<std::string>& keys, const std::vector<std::string>& values) {
    Lines file = Load(path);
    if (!file.readable)
        return false;
    const std::size_t header = FindHeader(file.lines, section);
    if (header == file.lines.size())
        AppendTo(file.lines, section, keys, values);
    else
        ReplaceBody(file.lines, header, keys, values);
    return Save(path, file.lines);
}

bool AppendSection(const std::string& path, std::string_view section,
                   const std::vector<std::string>& keys, const std::vector<std::string>& values) {
    Lines file = Load(path);
    if (!file.readable)
        return false;
    AppendTo(file.lines, section, keys, values);
    return Save(path, file.lines);
}

std::vector<std::string> ListSections(const std::string& path) {
    std::vector<std::string> names;
    for (const std::string& line : Load(path).lines)
        if (IsHeader(line)) {
            const std::string_view text = TrimRight(line);
            names.emplace_back(text.substr(1, text.size() - 2));
        }
    return names;
}

std::vector<std::string> ListKeys(const std::string& path, std::string_view section) {
    const Lines file = Load(path);
    std::vector<std::string> keys;
    const std::size_t header = FindHeader(file.lines, section);
    if (header == file.lines.size())
        return keys;
    const std::size_t end = BodyEnd(file.lines, header);
    for (std::size_t i = header + 1; i < end; ++i)
        if (!TrimRight(file.lines[i]).empty())
            keys.emplace_back(KeyOf(file.lines[i]));
    return keys;
}

RecordSnapshot::RecordSnapshot(const std::string& path) {
    const Lines file = Load(path);
    for (const std::string& line : file.lines) {
        if (IsHeader(line)) {
            const std::string_view text = TrimRight(line);
            names.emplace_back(text.substr(1, text.size() - 2));
            bodies.emplace_back();
            continue;
        }
        const auto eq = line.find('=');
        if (bodies.empty() || eq == std::string::npos)
            continue;
        bodies.back().push_back({std::string(KeyOf(line)), line.substr(eq + 1)});
    }
}

std::optional<std::string_view> RecordSnapshot::Find(std::string_view section,
                                                     std::string_view key) const {
    for (std::size_t s = 0; s < names.size(); ++s) {
        if (names[s] != section)
            continue;
        for (const Pair& pair : bodies[s])
            if (pair.key == key)
                return pair.value;
        return std::nullopt;  // only the first section of a name counts
    }
    return std::nullopt;
}

bool WriteValueInSections(const std::string& path, std::string_view key, std::string_view value,
                          const std::function<bool(std::string_view section)>& where) {
    Lines file = Load(path);
    if (!file.readable)
        return false;
    std::vector<std::string> out;
    out.reserve(file.lines.size() + 256);
    const auto& lines = file.lines;
    for (std::size_t i = 0; i < lines.size();) {
        if (!IsHeader(lines[i])) {
            out.push_back(lines[i++]);
            continue;
        }
        const std::size_t header = i;
        const std::size_t end = BodyEnd(lines, header);
        const std::string_view text = TrimRight(lines[header]);
        const bool chosen = where(text.substr(1, text.size() - 2));
        out.push_back(lines[header]);
        bool written = !chosen;
        std::size_t lastPair = out.size();  // where a missing key line goes
        for (std::size_t j = header + 1; j < end; ++j) {
            const std::string& line = lines[j];
            if (!written && line.find('=') != std::string::npos && KeyOf(line) == key) {
                out.push_back(KeyLine(key, value));
                written = true;
            } else {
                out.push_back(line);
            }
            if (!TrimRight(line).empty())
                lastPair = out.size();
        }
        if (!written)
            out.insert(out.begin() + static_cast<std::ptrdiff_t>(lastPair), KeyLine(key, value));
        i = end;
    }
    return Save(path, out);
}

bool RewriteLines(const std::string& path,
                  const std::function<std::optional<std::string>(std::string_view line)>& change) {
    Lines file = Load(path);
    if (!file.readable)
        return false;
    std::vector<std::string> out;
    out.reserve(file.lines.size());
    bool changed = false;
    for (const std::string& line : file.lines) {
        std::optional<std::string> next = change(line);
        changed = changed || !next || *next != line;
        if (next)
            out.push_back(std::move(*next));
    }
    return !changed || Save(path, out);
}

}  // namespace jw
