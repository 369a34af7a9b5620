#include "presentation/PictureMemory.h"

#include <algorithm>
#include <mutex>
#include <new>
#include <vector>

#include <sys/mman.h>
#include <unistd.h>

namespace jw {

// The address sanitizer watches only memory from the allocator: under it,
// large pictures come from there as well, and none can be shared.
#if defined(__SANITIZE_ADDRESS__)
#define JW_PICTURES_FROM_ALLOCATOR 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define JW_PICTURES_FROM_ALLOCATOR 1
#endif
#endif

#ifndef JW_PICTURES_FROM_ALLOCATOR
namespace {

// The large pictures that live in memory files, for SharedMemoryOf. Pictures
// are made and dropped on more than one thread (a background is read ahead).
struct SharedPictures {
    std::mutex lock;
    std::vector<SharedPictureMemory> pictures;
    std::uint64_t lastSerial = 0;
};

SharedPictures& Shared() {
    static SharedPictures shared;
    return shared;
}

// Memory in a memory file, so that the display can be given the pixels
// themselves instead of a copy; plain memory when the system has no memory
// files to give.
void* MapPicture(std::size_t bytes) {
    const int fd = memfd_create("jadewind-picture", MFD_CLOEXEC);
    if (fd >= 0) {
        void* memory = MAP_FAILED;
        if (ftruncate(fd, static_cast<off_t>(bytes)) == 0) {
            memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_POPULATE, fd, 0);
        }
        if (memory != MAP_FAILED) {
            SharedPictures& shared = Shared();
            const std::lock_guard guard(shared.lock);
            shared.pictures.push_back({memory, bytes, fd, ++shared.lastSerial});
            return memory;
        }
        close(fd);
    }
    void* memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (memory == MAP_FAILED) {
        throw std::bad_alloc();
    }
    return memory;
}

}  // namespace
#endif

void* AllocateLargePicture(std::size_t bytes) {
#ifdef JW_PICTURES_FROM_ALLOCATOR
    return ::operator new(bytes);
#else
    return MapPicture(bytes);
#endif
}

void FreeLargePicture(void* memory, std::size_t bytes) {
#ifdef JW_PICTURES_FROM_ALLOCATOR
    (void)bytes;
    ::operator delete(memory);
#else
    munmap(memory, bytes);
    SharedPictures& shared = Shared();
    const std::lock_guard guard(shared.lock);
    const auto found = std::find_if(
        shared.pictures.begin(), shared.pictures.end(),
        [memory](const SharedPictureMemory& picture) { return picture.memory == memory; });
    if (found != shared.pictures.end()) {
        close(found->fd);
        shared.pictures.erase(found);
    }
#endif
}

SharedPictureMemory SharedMemoryOf(const void* memory) {
#ifdef JW_PICTURES_FROM_ALLOCATOR
    (void)memory;
    return {};
#else
    SharedPictures& shared = Shared();
    const std::lock_guard guard(shared.lock);
    for (const SharedPictureMemory& picture : shared.pictures) {
        if (picture.memory == memory) {
            return picture;
        }
    }
    return {};
#endif
}

}  // namespace jw
