#pragma once
// A growable array of plain values; growth failure ends the program through
// ErrorReporter::OutOfMemory.
template <class T> class Array {
  public:
    T* items = nullptr;
    int count = 0;
    int capacity = 0;

    Array() = default;
    ~Array();
    Array(const Array&) = delete;
    Array& operator=(const Array&) = delete;

    void Add(int n);
    void Push(const T& value);
};
