// The shell extension library's self-registration entry points, doing nothing:
// setup writes the registration itself.
#include <windows.h>

extern "C" __declspec(dllexport) HRESULT WINAPI DllRegisterServer() {
    return S_OK;
}
extern "C" __declspec(dllexport) HRESULT WINAPI DllUnregisterServer() {
    return S_OK;
}
