#pragma once
// A file opened for reading, with a Win32 and a POSIX backend.
#include <cstdint>
#include "uninstall/common/join_path.h"

class File {
  public:
    File();
    virtual ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // Opens an existing file for reading, sharing read and write access. A
    // path of PathSize bytes or more is refused.
    bool Open(const char* path);
    // Bytes read, 0 at the end of the file, -1 on an error.
    int Read(void* buffer, int count);
    // Moves to offset bytes from the start.
    void Seek(std::int64_t offset);
    std::int64_t Position();

  private:
    void* handle; // HANDLE on Windows, the descriptor as a pointer elsewhere
};
