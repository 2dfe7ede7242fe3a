#include "tests/driver/deliver.h"

namespace ui {

std::wstring Wide(const std::string& text, UINT codePage) {
    int length =
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    if (length)
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), &wide[0],
                            length);
    return wide;
}

std::string Narrow(const std::wstring& text, UINT codePage) {
    int length = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()),
                                     nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length), '\0');
    if (length)
        WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), &narrow[0],
                            length, nullptr, nullptr);
    return narrow;
}

std::string Utf8(const std::string& ansi) {
    return Narrow(Wide(ansi, CP_ACP), CP_UTF8);
}
std::string Ansi(const std::string& utf8) {
    return Narrow(Wide(utf8, CP_UTF8), CP_ACP);
}

} // namespace ui
