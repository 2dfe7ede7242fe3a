#include "uninstall/common/file.h"
#include <cstring>
#include <windows.h>

namespace {

constexpr int RetryCount = 20000; // what a character device or pipe takes in one read

HANDLE AsHandle(void* handle) {
    return static_cast<HANDLE>(handle);
}

} // namespace

File::File() : handle(INVALID_HANDLE_VALUE) {}

File::~File() {
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(AsHandle(handle));
    handle = INVALID_HANDLE_VALUE;
}

bool File::Open(const char* path) {
    if (handle != INVALID_HANDLE_VALUE) return false;
    if (std::strlen(path) >= PathSize) return false;
    HANDLE opened = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return false;
    handle = opened;
    return true;
}

int File::Read(void* buffer, int count) {
    if (handle == INVALID_HANDLE_VALUE || count < 0) return -1;
    DWORD done = 0;
    if (ReadFile(AsHandle(handle), buffer, static_cast<DWORD>(count), &done, nullptr))
        return static_cast<int>(done);
    const DWORD type = GetFileType(AsHandle(handle));
    if ((type == FILE_TYPE_CHAR || type == FILE_TYPE_PIPE) && count > RetryCount &&
        ReadFile(AsHandle(handle), buffer, RetryCount, &done, nullptr))
        return static_cast<int>(done);
    return -1;
}

void File::Seek(std::int64_t offset) {
    if (handle == INVALID_HANDLE_VALUE) return;
    LONG high = static_cast<LONG>(offset >> 32);
    SetFilePointer(AsHandle(handle), static_cast<LONG>(offset & 0xFFFFFFFF), &high, FILE_BEGIN);
}

std::int64_t File::Position() {
    if (handle == INVALID_HANDLE_VALUE) return -1;
    LONG high = 0;
    const DWORD low = SetFilePointer(AsHandle(handle), 0, &high, FILE_CURRENT);
    if (low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR) return -1;
    return (static_cast<std::int64_t>(high) << 32) | low;
}
