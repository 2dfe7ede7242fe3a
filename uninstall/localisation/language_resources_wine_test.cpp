#include "uninstall/localisation/language_resources.h"
#include "uninstall/localisation/ext_resource.h"
#include "uninstall/common/paths.h"
#include <gtest/gtest.h>
#include <cstdio>

namespace {

// Writes a translation file next to the test program and removes it again.
class BesideProgram {
  public:
    char path[MAX_PATH];
    BesideProgram(const char* name, const char* contents) {
        GetModuleFileNameA(nullptr, path, sizeof path);
        std::snprintf(NamePart(path), sizeof path - (NamePart(path) - path), "%s", name);
        HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, contents, lstrlenA(contents), &written, nullptr);
        CloseHandle(file);
    }
    ~BesideProgram() { DeleteFileA(path); }
};

// Presents a resource module for the length of a test.
class WithResourceModule {
  public:
    explicit WithResourceModule(HINSTANCE module) : saved(ResourceModule) {
        ResourceModule = module;
    }
    ~WithResourceModule() { ResourceModule = saved; }

  private:
    HINSTANCE saved;
};

const char Table[] = "; \xD6\xD0\xCE\xC4 translation\r\n***messages***\r\n"
                     "92ab48be=\"\xD6\xD0\xCE\xC4\"\r\n";

TEST(LoadOnWindows, ReadsTheFileBesideTheProgram) {
    BesideProgram file("zk \xD6\x5C.lng", Table); // a trail byte 0x5C in the name
    WithResourceModule module(GetModuleHandleA("kernel32.dll"));
    LanguageResources table;
    table.Load("zk \xD6\x5C.lng");
    ASSERT_TRUE(table.IsLoaded());
    EXPECT_FALSE(table.rtl);
    char dest[256];
    table.Translate(dest, sizeof dest, "abc", nullptr, LanguageResources::String);
    EXPECT_STREQ("\xD6\xD0\xCE\xC4", dest);

    LanguageResources byPath;
    byPath.Load(file.path);
    EXPECT_TRUE(byPath.IsLoaded());
    LanguageResources missing;
    missing.Load("zk-missing.lng");
    EXPECT_FALSE(missing.IsLoaded());
}

TEST(LoadOnWindows, DirectionFromTheRtlDialogOrTheEntry) {
    BesideProgram plain("zk-plain.lng", Table);
    BesideProgram rtl("zk-rtl.lng", "***messages***\n50a17ae8=\"RTL\"\n");
    {
        WithResourceModule module(GetModuleHandleA(nullptr)); // holds a dialog named "RTL"
        LanguageResources table;
        table.Load("zk-plain.lng");
        EXPECT_TRUE(table.rtl);
        LanguageResources none;
        none.Load("zk-missing.lng");
        EXPECT_TRUE(none.rtl);
    }
    WithResourceModule module(GetModuleHandleA("kernel32.dll"));
    LanguageResources table;
    table.Load("zk-rtl.lng");
    EXPECT_TRUE(table.rtl);
}

} // namespace
