#pragma once

#include <cstdio>
#include <cstdlib>

// Stops the run so that libFuzzer keeps the input that broke a rule.
#define WV_FUZZ_CHECK(condition)                                                   \
  do {                                                                             \
    if (!(condition)) {                                                            \
      std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                \
    }                                                                              \
  } while (false)
