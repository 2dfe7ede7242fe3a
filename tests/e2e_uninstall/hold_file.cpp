// hold_file PATH EVENT [load]: holds the file PATH open for reading without
// delete sharing, as a running program holds a file it uses, or with "load"
// loads it with LoadLibrary, as Explorer holds a shell extension (a loaded
// library can be renamed but not deleted); sets the named event EVENT once
// it does, and waits until it is ended.
#include <windows.h>

int main(int argc, char** argv) {
    if (argc != 3 && (argc != 4 || lstrcmpA(argv[3], "load") != 0)) return 2;
    if (argc == 4 ? !LoadLibraryA(argv[1])
                  : CreateFileA(argv[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                                nullptr) == INVALID_HANDLE_VALUE)
        return 1;
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]);
    if (!ready || !SetEvent(ready)) return 1;
    Sleep(INFINITE);
    return 0;
}
