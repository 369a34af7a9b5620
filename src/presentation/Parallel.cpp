#include "presentation/Parallel.h"

#include <system_error>
#include <thread>

namespace jw {

void InTwoHalves(int count, const std::function<void(int begin, int end)>& body) {
    const int half = count / 2;
    if (half < 1 || std::thread::hardware_concurrency() < 2) {
        body(0, count);
        return;
    }
    std::thread second;
    try {
        second = std::thread(body, half, count);
    } catch (const std::system_error&) {
        body(0, count);  // no thread to be had: all on this one
        return;
    }
    body(0, half);
    second.join();
}

}  // namespace jw
