// A broken property ends the run as a crash, so libFuzzer keeps the input
// that broke it; the message says which property and why.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#define NYRA_FUZZ_CHECK(condition, detail)                                                             \
    do {                                                                                               \
        if (!(condition)) {                                                                            \
            std::fprintf(stderr, "%s:%d: property failed: %s\n  %s\n", __FILE__, __LINE__, #condition, \
                         std::string(detail).c_str());                                                 \
            std::abort();                                                                              \
        }                                                                                              \
    } while (false)
