#include "presentation/PictureMemory.h"

#include <new>

#include <sys/mman.h>

namespace jw {

// The address sanitizer watches only memory from the allocator: under it,
// large pictures come from there as well.
#if defined(__SANITIZE_ADDRESS__)
#define JW_PICTURES_FROM_ALLOCATOR 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define JW_PICTURES_FROM_ALLOCATOR 1
#endif
#endif

void* AllocateLargePicture(std::size_t bytes) {
#ifdef JW_PICTURES_FROM_ALLOCATOR
    return ::operator new(bytes);
#else
    void* memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (memory == MAP_FAILED) {
        throw std::bad_alloc();
    }
    return memory;
#endif
}

void FreeLargePicture(void* memory, std::size_t bytes) {
#ifdef JW_PICTURES_FROM_ALLOCATOR
    (void)bytes;
    ::operator delete(memory);
#else
    munmap(memory, bytes);
#endif
}

}  // namespace jw
