#pragma once

#include <cstdio>
#include <cstdlib>

namespace круголет {

// A broken promise ends the run at once: libFuzzer keeps the input as a crash, and the replay of
// the native tests fails on it.
inline void обязательно(bool выполнено, const char *обещание) {
    if (выполнено)
        return;
    std::fprintf(stderr, "broken promise: %s\n", обещание);
    std::abort();
}

} // namespace круголет
