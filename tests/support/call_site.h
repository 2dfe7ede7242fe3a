#pragma once
// Where a test called a helper: a helper takes a CallSite as its last,
// defaulted parameter, so that its failures name the test's line rather
// than its own.
#include <gtest/gtest.h>

struct CallSite {
    const char* file;
    int line;
    // The defaults are taken where the helper is called.
    CallSite(const char* file = __builtin_FILE(), int line = __builtin_LINE())
        : file(file), line(line) {}
};

// Adds "called from file:line" to every failure within the scope of a
// helper that checks more than one thing.
class CalledFrom {
  public:
    explicit CalledFrom(const CallSite& at) : trace(at.file, at.line, "called from here") {}

  private:
    ::testing::ScopedTrace trace;
};
