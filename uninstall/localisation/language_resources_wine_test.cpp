#include "uninstall/localisation/language_resources.h"
#include "uninstall/localisation/ext_resource.h"
#include "tests/support/files.h"
#include <gtest/gtest.h>
#include <cstdio>

namespace {

// Writes a translation file next to the test program and removes it again.
class BesideProgram {
  public:
    const std::string path;
    BesideProgram(const char* name, const char* contents)
        : path(test_files::BesideTestProgram(name)) {
        test_files::Write(path, contents);
    }
    ~BesideProgram() { DeleteFileA(path.c_str()); }
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
    byPath.Load(file.path.c_str());
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
