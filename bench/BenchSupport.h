// What the benchmarks share: a Host that answers nothing and asks nothing,
// and the game's own MahJong.rgf when it lies beside the benchmark.
#pragma once

#include <filesystem>
#include <memory>

#include "platform/Host.h"
#include "presentation/ResourceLibrary.h"

namespace jw::bench {

class QuietHost : public Host {
  public:
    MessageAnswer ShowMessage(MessageKind, const std::string&, MessageButtons) override {
        return MessageAnswer::Ok;
    }
    AdviceAnswer ShowAdviceWindow(const std::string&, int) override { return {}; }
    AdviceAnswer ConfirmAdviceWindow(const std::string&, bool) override { return {}; }
    // No time passes here: what would wait runs at once.
    void After(int, std::function<void()> then) override { then(); }
    void Beep() override {}
    LocalTime Now() override { return {}; }
    std::int64_t MonotonicMs() override { return clock; }
    int Random(int range) override { return range > 0 ? static_cast<int>(next++ % range) : 0; }
    ScreenInfo Screen() override { return {1920, 1080, 24}; }
    void SetBusy(bool) override {}
    void PlaySound(const std::string&) override {}
    void StopSound() override {}

    std::int64_t clock = 0;
    unsigned next = 0;
};

// MahJong.rgf beside the benchmark, if it is there.
inline const ResourceStore* RealLibrary() {
    static const std::unique_ptr<ResourceLibrary> library = [] {
        std::error_code error;
        const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
        return error ? nullptr
                     : ResourceLibrary::Open((self.parent_path() / "MahJong.rgf").string());
    }();
    return library.get();
}

}  // namespace jw::bench
