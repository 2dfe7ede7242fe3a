// Every icon of the programs has an image of each size Windows asks for
// (SM_CXICON and SM_CXSMICON) from 96 to 192 dpi, so none is stretched.
#include "tests/driver/ui_driver.h"

#include <gtest/gtest.h>
#include <utility>

namespace {

// The width of the image the system picks from the group for size x size;
// 0 when there is none.
int PickedWidth(HMODULE module, const char* group, int size) {
    auto resource = [&](const char* name, const char* type) {
        return LockResource(LoadResource(module, FindResourceA(module, name, type)));
    };
    auto* directory = static_cast<BYTE*>(resource(group, RT_GROUP_ICON));
    if (!directory) return 0;
    const int id = LookupIconIdFromDirectoryEx(directory, TRUE, size, size, LR_DEFAULTCOLOR);
    auto* header = static_cast<const BITMAPINFOHEADER*>(resource(MAKEINTRESOURCEA(id), RT_ICON));
    return header ? header->biWidth : 0;
}

TEST(Icons, EveryIconHasAnImageOfEachSizeTheSystemAsksFor) {
    // SM_CXSMICON and SM_CXICON at 96, 120, 144 and 192 dpi, and at this screen's.
    std::vector<int> sizes = {16, 20, 24, 32, 40, 48};
    for (int metric : {SM_CXSMICON, SM_CYSMICON, SM_CXICON, SM_CYICON})
        sizes.push_back(GetSystemMetrics(metric));
    // Arguments: uninstall.exe sombrel.exe calendar.exe zkvlng.dll; the icon
    // group's resource name or "#id".
    const std::pair<int, const char*> icons[] = {
        {1, "ZKVICON"}, {1, "DELICON"}, {2, "#1"}, {3, "#1"}, {4, "ZKVICON"}};
    for (const auto& [argument, group] : icons) {
        const std::string path = ui::ArgumentPath(argument);
        HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(nullptr, module) << path;
        for (int size : sizes)
            EXPECT_EQ(size, PickedWidth(module, group, size)) << path << " " << group;
        FreeLibrary(module);
    }
}

} // namespace
