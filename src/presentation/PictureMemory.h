// Memory for large pictures. A picture is written whole as soon as it is
// made, so its memory is asked of the system ready to use in one go, rather
// than page by page as the first writes reach it: on a virtual machine each
// page that is first touched costs a trip through the host. The memory lies
// in a memory file where the system has them, so that the window can hand
// the board's pixels to the display as they lie instead of copying them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace jw {

// Pictures from this many bytes on take memory of their own, which goes
// back to the system when they are dropped.
inline constexpr std::size_t kLargePictureBytes = 512 * 1024;

void* AllocateLargePicture(std::size_t bytes);
void FreeLargePicture(void* memory, std::size_t bytes);

// A large picture's memory as a file the display can map: its start, its
// size, a descriptor of the file (owned by the picture, valid while it lives)
// and a number no other picture of this run had.
struct SharedPictureMemory {
    const void* memory = nullptr;
    std::size_t bytes = 0;
    int fd = -1;
    std::uint64_t serial = 0;
};

// The file under a large picture's memory, given the picture's first pixel;
// fd -1 when that memory is not a large picture or cannot be shared.
SharedPictureMemory SharedMemoryOf(const void* memory);

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
