// Memory for large pictures. A picture is written whole as soon as it is
// made, so its memory is asked of the system ready to use in one go, rather
// than page by page as the first writes reach it: on a virtual machine each
// page that is first touched costs a trip through the host.
#pragma once

#include <cstddef>
#include <memory>

namespace jw {

// Pictures from this many bytes on take memory of their own, which goes
// back to the system when they are dropped.
inline constexpr std::size_t kLargePictureBytes = 512 * 1024;

void* AllocateLargePicture(std::size_t bytes);
void FreeLargePicture(void* memory, std::size_t bytes);

template <typename T>
struct PictureAllocator {
    using value_type = T;
    PictureAllocator() = default;
    template <typename U>
    explicit PictureAllocator(const PictureAllocator<U>&) {}

    T* allocate(std::size_t count) {
        const std::size_t bytes = count * sizeof(T);
        if (bytes >= kLargePictureBytes) {
            return static_cast<T*>(AllocateLargePicture(bytes));
        }
        return std::allocator<T>().allocate(count);
    }
    void deallocate(T* memory, std::size_t count) {
        const std::size_t bytes = count * sizeof(T);
        if (bytes >= kLargePictureBytes) {
            FreeLargePicture(memory, bytes);
        } else {
            std::allocator<T>().deallocate(memory, count);
        }
    }
    template <typename U>
    friend bool operator==(const PictureAllocator&, const PictureAllocator<U>&) {
        return true;
    }
};

}  // namespace jw
