#include "uninstall/localisation/array.h"
#include "uninstall/common/error_reporter.h"
#include <climits>
#include <cstdlib>

template <class T> Array<T>::~Array() {
    std::free(items);
}

template <class T> void Array<T>::Add(int n) {
    constexpr int Most = INT_MAX / static_cast<int>(sizeof(T));
    if (n < 0 || n > Most - count) Errors.OutOfMemory();
    count += n;
    if (capacity >= count) return;
    int grown = capacity <= (Most - 32) / 5 * 4 ? capacity + capacity / 4 + 32 : Most;
    if (grown < count) grown = count;
    void* resized = std::realloc(items, static_cast<std::size_t>(grown) * sizeof(T));
    if (!resized) Errors.OutOfMemory();
    items = static_cast<T*>(resized);
    capacity = grown;
}

template <class T> void Array<T>::Push(const T& value) {
    Add(1);
    items[count - 1] = value;
}

template class Array<int>;
