#pragma once
// The program's one non-local failure: memory exhausted while growing an array.

class ErrorReporter {
  public:
    static constexpr int OutOfMemoryCode = 8;
    // A silent run ("/s") ends without the box.
    bool silent = false;
    // Tells the user (unless silent) and ends the program with the error
    // code 8; does not return.
    [[noreturn]] void OutOfMemory();
};

extern ErrorReporter Errors;
