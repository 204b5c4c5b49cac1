#pragma once
// The processor time the calling thread has used. Time limits in tests are
// measured with it: on a busy machine (parallel tests, other builds) the wall
// clock also counts the waiting for a processor, which says nothing about
// the work the code under test does.
#include <time.h>

#include <chrono>

namespace zeva::test {

inline std::chrono::nanoseconds Rechenzeit()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
}

} // namespace zeva::test
