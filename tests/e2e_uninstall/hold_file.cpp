// hold_file PATH EVENT: holds the file PATH open for reading without delete
// sharing, as a running program holds a library it uses, sets the named
// event EVENT once it does, and waits until it is ended.
#include <windows.h>

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    HANDLE file =
        CreateFileA(argv[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]);
    if (!ready || !SetEvent(ready)) return 1;
    Sleep(INFINITE);
    return 0;
}
