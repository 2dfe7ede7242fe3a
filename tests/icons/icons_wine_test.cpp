// Every icon of the programs has an image of each size Windows asks for
// (SM_CXICON and SM_CXSMICON) from 96 to 192 dpi, so none is stretched.
#include "tests/driver/ui_driver.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

// Arguments: uninstall.exe sombrel.exe calendar.exe zkvlng.dll.
struct Icon {
    int argument;
    const char* name; // the icon group's resource name or "#id"
};

// The width of the image the system picks from the group for size x size;
// 0 when there is none.
int PickedWidth(HMODULE module, const char* group, int size) {
    HRSRC found = FindResourceA(module, group, RT_GROUP_ICON);
    if (!found) return 0;
    auto* directory = static_cast<BYTE*>(LockResource(LoadResource(module, found)));
    if (!directory) return 0;
    const int id = LookupIconIdFromDirectoryEx(directory, TRUE, size, size, LR_DEFAULTCOLOR);
    HRSRC image = FindResourceA(module, MAKEINTRESOURCEA(id), RT_ICON);
    if (!image) return 0;
    auto* header = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(module, image)));
    return header ? header->biWidth : 0;
}

TEST(Icons, EveryIconHasAnImageOfEachSizeFrom96To192Dpi) {
    const Icon icons[] = {{1, "ZKVICON"}, {1, "DELICON"}, {2, "#1"}, {3, "#1"}, {4, "ZKVICON"}};
    // SM_CXSMICON and SM_CXICON at 96, 120, 144 and 192 dpi.
    const int sizes[] = {16, 20, 24, 32, 40, 48};
    for (const Icon& icon : icons) {
        const std::string path = ui::ArgumentPath(icon.argument);
        HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(nullptr, module) << path;
        for (int size : sizes)
            EXPECT_EQ(size, PickedWidth(module, icon.name, size)) << path << " " << icon.name;
        FreeLibrary(module);
    }
}

// The sizes the system asks for at this screen's dpi are among them.
TEST(Icons, TheSystemAsksForOneOfTheseSizes) {
    for (int metric : {SM_CXICON, SM_CYICON, SM_CXSMICON, SM_CYSMICON}) {
        const int size = GetSystemMetrics(metric);
        EXPECT_TRUE(size == 16 || size == 20 || size == 24 || size == 32 || size == 40 ||
                    size == 48)
            << metric << ": " << size;
    }
}

} // namespace
