// Links made through the real shell-link object, and the program groups.
#include <gtest/gtest.h>
#include <windows.h>
#include <objidl.h>
#include <shlobj.h>
#include <string>
#include "uninstall/common/program_path.h"
#include "uninstall/localisation/res_string.h"
#include "uninstall/res/resource_ids.h"
#include "uninstall/setup/shell_integration.h"
#include "uninstall/setup/shell_link.h"
#include "tests/support/setup_test.h"
#include "tests/support/files.h"
#include "tests/support/links.h"

using namespace setup_test;

namespace {
using test_files::Exists;
using test_links::SpecialFolder;

// Target and description as the shell-link object reads them back.
std::string LinkTarget(const std::string& link, std::string* description = nullptr) {
    IShellLinkA* shellLink = nullptr;
    IPersistFile* file = nullptr;
    std::string target = "<unreadable>";
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&shellLink))))
        return target;
    WCHAR wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, wide, MAX_PATH);
    if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(wide, STGM_READ))) {
        char path[MAX_PATH] = "";
        shellLink->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH);
        target = path;
        char text[MAX_PATH] = "";
        shellLink->GetDescription(text, MAX_PATH);
        if (description) *description = text;
    }
    if (file) file->Release();
    shellLink->Release();
    return target;
}

int FilesIn(const std::string& folder) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    int count = 0;
    if (find == INVALID_HANDLE_VALUE) return 0;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++count;
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return count;
}

class Shortcuts : public ::testing::Test {
  protected:
    void SetUp() override {
        CoInitialize(nullptr);
        test_links::RemoveZelkovaLinks();
    }
    void TearDown() override {
        ClearProgramPathOverride();
        test_links::RemoveZelkovaLinks();
        CoUninitialize();
    }
};

TEST_F(Shortcuts, LinksPointAtTheProgramFolderAndGroupsAreMadeOnce) {
    SetupChoices choices;
    choices.Desktop = choices.StartMenu = choices.Programs = true;
    char groupFolder[PathSize] = "";
    UpdateShortcuts(choices, groupFolder);
    UpdateShortcuts(choices, groupFolder); // rewritten in place

    std::string userGroup = SpecialFolder(CSIDL_PROGRAMS) + "\\Zelkova";
    std::string commonGroup = SpecialFolder(CSIDL_COMMON_PROGRAMS) + "\\Zelkova";
    EXPECT_EQ(userGroup, groupFolder);
    std::string description;
    EXPECT_EQ(ProgramFile("Zelkova.exe"),
              LinkTarget(SpecialFolder(CSIDL_DESKTOPDIRECTORY) + "\\Zelkova.lnk", &description));
    EXPECT_EQ("Zelkova", description);
    EXPECT_EQ(ProgramFile("Zelkova.exe"),
              LinkTarget(SpecialFolder(CSIDL_STARTMENU) + "\\Zelkova.lnk"));
    std::string help = ResString(IDS_HELP_LINK);
    std::string manual = ResString(IDS_MANUAL_LINK);
    ASSERT_FALSE(help.empty() || manual.empty());
    for (const std::string& group : {userGroup, commonGroup}) {
        EXPECT_EQ(3, FilesIn(group)) << group;
        EXPECT_EQ(ProgramFile("Zelkova.exe"), LinkTarget(group + "\\Zelkova.lnk"));
        EXPECT_EQ(ProgramFile("Zelkova.hlp"), LinkTarget(group + "\\" + help + ".lnk"));
        EXPECT_EQ(ProgramFile("Zkv.txt"), LinkTarget(group + "\\" + manual + ".lnk"));
    }
    EXPECT_FALSE(Exists(SpecialFolder(CSIDL_PROGRAMS) + "\\Zelkova.lnk")); // not one level up
}

TEST_F(Shortcuts, UntickedChoicesRemoveLinksAndWholeGroups) {
    SetupChoices choices;
    choices.Desktop = choices.StartMenu = choices.Programs = true;
    UpdateShortcuts(choices, nullptr);
    std::string userGroup = SpecialFolder(CSIDL_PROGRAMS) + "\\Zelkova";
    test_files::Write(userGroup + "\\notes.txt", "");

    char groupFolder[PathSize] = "";
    UpdateShortcuts(SetupChoices(), groupFolder);
    EXPECT_STREQ("", groupFolder);
    EXPECT_FALSE(Exists(SpecialFolder(CSIDL_DESKTOPDIRECTORY) + "\\Zelkova.lnk"));
    EXPECT_FALSE(Exists(SpecialFolder(CSIDL_STARTMENU) + "\\Zelkova.lnk"));
    EXPECT_FALSE(Exists(userGroup));
    EXPECT_FALSE(Exists(SpecialFolder(CSIDL_COMMON_PROGRAMS) + "\\Zelkova"));
}

TEST_F(Shortcuts, WithoutAUsableProgramFolderNothingIsMadeButEverythingIsStillDeleted) {
    const std::string userGroup = SpecialFolder(CSIDL_PROGRAMS) + "\\Zelkova";
    const std::string commonGroup = SpecialFolder(CSIDL_COMMON_PROGRAMS) + "\\Zelkova";
    const std::string links[] = {SpecialFolder(CSIDL_DESKTOPDIRECTORY) + "\\Zelkova.lnk",
                                 SpecialFolder(CSIDL_STARTMENU) + "\\Zelkova.lnk",
                                 userGroup + "\\Zelkova.lnk", commonGroup + "\\Zelkova.lnk"};
    SetupChoices all;
    all.Desktop = all.StartMenu = all.Programs = true;
    char groupFolder[PathSize] = "";
    OverrideProgramPath(DeepProgram.c_str());
    UpdateShortcuts(all, groupFolder);
    EXPECT_STREQ("", groupFolder); // no group to open
    for (const std::string& link : links)
        EXPECT_FALSE(Exists(link)) << link;
    EXPECT_FALSE(Exists(userGroup));

    // The links and groups of an earlier setup, here made by hand.
    for (const std::string& group : {userGroup, commonGroup})
        ASSERT_TRUE(CreateDirectoryA(group.c_str(), nullptr)) << group;
    for (const std::string& link : links) {
        test_files::Write(link, "");
    }
    UpdateShortcuts(SetupChoices(), nullptr); // as the uninstall runs it
    for (const std::string& link : links)
        EXPECT_FALSE(Exists(link)) << link;
    EXPECT_FALSE(Exists(userGroup));
    EXPECT_FALSE(Exists(commonGroup));
}

TEST_F(Shortcuts, CreateShellLinkRefusesAPathBeyondTheLimitAndSavesDoubleByteNames) {
    std::string tooLong =
        SpecialFolder(CSIDL_DESKTOPDIRECTORY) + "\\" + std::string(300, 'a') + ".lnk";
    EXPECT_FALSE(CreateShellLink("C:\\x.exe", tooLong.c_str(), "Zelkova"));
    // "压缩乗" in code page 936: the last character's second byte is 0x5C.
    std::string link = SpecialFolder(CSIDL_DESKTOPDIRECTORY) + "\\\xD1\xB9\xCB\xF5\x81\x5C.lnk";
    ASSERT_TRUE(CreateShellLink("C:\\Zelkova\\Zelkova.exe", link.c_str(), "Zelkova"));
    EXPECT_EQ("C:\\Zelkova\\Zelkova.exe", LinkTarget(link));
    DeleteFileA(link.c_str());
}
} // namespace
