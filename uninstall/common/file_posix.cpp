#include "uninstall/common/file.h"
#include <cstring>
#include <cstdint>
#include <fcntl.h>
#include <unistd.h>

namespace {

void* const Closed = reinterpret_cast<void*>(static_cast<std::intptr_t>(-1));

int Descriptor(void* handle) {
    return static_cast<int>(reinterpret_cast<std::intptr_t>(handle));
}

} // namespace

File::File() : handle(Closed) {}

File::~File() {
    if (handle != Closed) close(Descriptor(handle));
    handle = Closed;
}

bool File::Open(const char* path) {
    if (handle != Closed) return false;
    if (std::strlen(path) >= PathSize) return false;
    const int fd = open(path, O_RDONLY);
    if (fd < 0) return false;
    handle = reinterpret_cast<void*>(static_cast<std::intptr_t>(fd));
    return true;
}

int File::Read(void* buffer, int count) {
    if (handle == Closed || count < 0) return -1;
    const ssize_t done = read(Descriptor(handle), buffer, static_cast<std::size_t>(count));
    return done < 0 ? -1 : static_cast<int>(done);
}

void File::Seek(std::int64_t offset) {
    if (handle != Closed) lseek(Descriptor(handle), static_cast<off_t>(offset), SEEK_SET);
}

std::int64_t File::Position() {
    if (handle == Closed) return -1;
    return static_cast<std::int64_t>(lseek(Descriptor(handle), 0, SEEK_CUR));
}
