// Test helpers for code that touches files and the environment.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

namespace jw::test {

// A fresh, empty folder under the system's temporary folder, removed with
// everything in it when the object goes.
class TempFolder {
  public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "jw-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot create a temporary folder");
        }
        root = pattern;
    }
    ~TempFolder() {
        std::error_code error;
        std::filesystem::remove_all(root, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder, without a trailing '/'.
    const std::filesystem::path& Path() const { return root; }
    // The folder with `relative` appended, as text.
    std::string operator/(const std::string& relative) const { return (root / relative).string(); }

  private:
    std::filesystem::path root;
};

// Sets (or, with nothing, unsets) an environment variable for the lifetime
// of the object and restores its previous state afterwards.
class ScopedEnv {
  public:
    ScopedEnv(std::string name, const std::optional<std::string>& value) : name(std::move(name)) {
        if (const char* old = std::getenv(this->name.c_str())) {
            previous = old;
        }
        Apply(value);
    }
    ~ScopedEnv() { Apply(previous); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    void Apply(const std::optional<std::string>& value) {
        if (value) {
            ::setenv(name.c_str(), value->c_str(), 1);
        } else {
            ::unsetenv(name.c_str());
        }
    }

    std::string name;
    std::optional<std::string> previous;
};

}  // namespace jw::test
