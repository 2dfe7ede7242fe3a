#pragma once
// A file opened for reading, with a Win32 and a POSIX backend.
#include <cstdint>

class File {
  public:
    enum Method { FromStart = 0, FromCurrent = 1 };

    File();
    virtual ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // Opens an existing file for reading, sharing read and write access.
    bool Open(const char* path);
    // Bytes read, 0 at the end of the file, -1 on an error.
    int Read(void* buffer, int count);
    void Seek(std::int64_t offset, Method method);
    std::int64_t Position();
    const char* Name() const { return name; }

  private:
    void* handle; // HANDLE on Windows, the descriptor as a pointer elsewhere
    char name[1024];
};
