#pragma once
// The program's one non-local failure: memory exhausted while growing an array.

class ErrorReporter {
  public:
    static constexpr int OutOfMemoryCode = 8;
    // Ends the program with the error code 8; does not return.
    [[noreturn]] void OutOfMemory();
};

extern ErrorReporter Errors;
