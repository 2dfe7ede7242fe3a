// Associations against Wine's real registry: take-over with the former
// owner's record, give-back, volume extensions and "New" menu templates.
#include <gtest/gtest.h>
#include <windows.h>
#include <cstdio>
#include <fstream>
#include <iterator>
#include "uninstall/common/program_path.h"
#include "uninstall/common/windows_version.h"
#include "uninstall/setup/new_menu_templates.h"
#include "uninstall/setup/setup_choices.h"
#include "uninstall/setup/shell_integration.h"
#include "tests/support/setup_test.h"
#include "tests/support/files.h"

using namespace setup_test;

namespace {
const HKEY Classes = HKEY_CLASSES_ROOT;
const HKEY User = HKEY_CURRENT_USER;
const char* const Owned[] = {".zkv", ".zip", ".cab", ".arj", ".lzh", ".lha"};

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Volume(int k) {
    char name[8];
    snprintf(name, sizeof name, ".z%02d", k);
    return name;
}

SetupChoices Ticked(std::initializer_list<int> groups, bool shellExt = true) {
    SetupChoices choices;
    for (int group : groups)
        choices.Associate[group] = true;
    choices.ShellExt = shellExt;
    return choices;
}

class Associations : public ::testing::Test {
  protected:
    void SetUp() override { Clean(); }
    void TearDown() override {
        Clean();
        ClearWindowsVersionOverride();
    }
    static void Clean() {
        DeleteTree(User, "Software\\Zelkova");
        for (const char* extension : Owned)
            DeleteTree(Classes, extension);
        for (int k = 0; k < 100; ++k)
            DeleteTree(Classes, Volume(k).c_str());
        DeleteFileA(ProgramFile("zkvnew.dat").c_str());
        DeleteFileA(ProgramFile("zipnew.dat").c_str());
        RemoveDirectoryA(ProgramFile("zkvnew.dat").c_str());
    }
};

TEST_F(Associations, TakeOverRemembersTheFormerOwnerAndGiveBackRestoresIt) {
    SetString(Classes, ".zip", "", "CompressedFolder");
    SetString(Classes, ".zip", "Content Type", "application/x-zip-compressed");
    SetString(Classes, ".zip\\ShellNew", "FileName", "C:\\old\\empty.zip");
    SetString(Classes, ".zip\\ShellNew", "NullFile", "");
    SetString(Classes, ".cab", "", "CabFolder");
    SetString(Classes, ".cab\\ShellNew", "NullFile", "");

    UpdateAssociations(Ticked({0, 1, 2}));
    EXPECT_EQ(1u, Dword(User, "Software\\Zelkova\\Setup\\.zip", "Exist"));
    EXPECT_EQ("CompressedFolder", Value(User, "Software\\Zelkova\\Setup\\.zip", "Type"));
    EXPECT_EQ("application/x-zip-compressed",
              Value(User, "Software\\Zelkova\\Setup\\.zip", "Content"));
    EXPECT_EQ("C:\\old\\empty.zip", Value(User, "Software\\Zelkova\\Setup\\.zip", "ShellNew"));
    EXPECT_EQ("*", Value(User, "Software\\Zelkova\\Setup\\.cab", "ShellNew"));
    EXPECT_EQ(0u, Dword(User, "Software\\Zelkova\\Setup\\.zkv", "Exist"));
    EXPECT_EQ("Zelkova.ZIP", Value(Classes, ".zip", ""));
    EXPECT_EQ("Zelkova", Value(Classes, ".cab", ""));
    EXPECT_EQ("<none>", Value(Classes, ".zip", "Content Type"));
    EXPECT_EQ(ProgramFile("zipnew.dat"), Value(Classes, ".zip\\ShellNew", "FileName"));
    EXPECT_EQ("<none>", Value(Classes, ".zip\\ShellNew", "NullFile"));
    EXPECT_EQ("<none>", Value(Classes, ".cab\\ShellNew", "FileName")); // only ZKV and ZIP

    // A second setup keeps the first record and points the extension again.
    SetString(Classes, ".zip", "Content Type", "text/plain");
    UpdateAssociations(Ticked({0, 1, 2}));
    EXPECT_EQ("CompressedFolder", Value(User, "Software\\Zelkova\\Setup\\.zip", "Type"));
    EXPECT_EQ("<none>", Value(Classes, ".zip", "Content Type"));

    UpdateAssociations(SetupChoices());
    EXPECT_EQ("CompressedFolder", Value(Classes, ".zip", ""));
    EXPECT_EQ("application/x-zip-compressed", Value(Classes, ".zip", "Content Type"));
    EXPECT_EQ("C:\\old\\empty.zip", Value(Classes, ".zip\\ShellNew", "FileName"));
    EXPECT_EQ("<none>", Value(Classes, ".zip\\ShellNew", "NullFile"));
    EXPECT_EQ("CabFolder", Value(Classes, ".cab", ""));
    EXPECT_EQ("", Value(Classes, ".cab\\ShellNew", "NullFile"));
    EXPECT_FALSE(KeyExists(Classes, ".zkv")); // had no key before
}

TEST_F(Associations, GiveBackLeavesAloneWhatAnotherProgramTookAndNeverPointsBackAtZelkova) {
    SetString(Classes, ".arj", "", "ArjFile");
    SetString(Classes, ".lzh", "", "LzhFile");
    UpdateAssociations(Ticked({3, 4}));
    EXPECT_EQ(0u, Dword(User, "Software\\Zelkova\\Setup\\.lha", "Exist")); // one record each
    SetString(Classes, ".arj", "", "NewArchiver");
    SetString(User, "Software\\Zelkova\\Setup\\.lzh", "Type", "zELKOVA.zip");
    SetString(User, "Software\\Zelkova\\Setup\\.lzh", "Content", "application/x-lzh");

    UpdateAssociations(SetupChoices());
    EXPECT_EQ("NewArchiver", Value(Classes, ".arj", ""));
    EXPECT_EQ("", Value(Classes, ".lzh", ""));
    EXPECT_EQ("application/x-lzh", Value(Classes, ".lzh", "Content Type"));
    EXPECT_FALSE(KeyExists(Classes, ".lha"));
}

TEST_F(Associations, GiveBackWithoutRecordEmptiesTheDefaultValue) {
    SetString(Classes, ".cab", "", "zelkova");
    SetString(Classes, ".cab", "Content Type", "x/zelkova");
    UpdateAssociations(SetupChoices());
    EXPECT_EQ("", Value(Classes, ".cab", ""));
    EXPECT_EQ("<none>", Value(Classes, ".cab", "Content Type"));
}

TEST_F(Associations, VolumeExtensionsFollowTheSystemAndOnlyOwnOnesAreGivenBack) {
    SetString(Classes, ".zkv", "", "OldZkv");
    SetString(Classes, Volume(50).c_str(), "", "Unrelated");
    UpdateAssociations(Ticked({0}));
    EXPECT_EQ("Zelkova", Value(Classes, Volume(0).c_str(), ""));
    EXPECT_EQ("Zelkova", Value(Classes, Volume(29).c_str(), ""));
    EXPECT_FALSE(KeyExists(Classes, Volume(30).c_str())); // NT family: 30 volumes
    EXPECT_EQ("Unrelated", Value(Classes, Volume(50).c_str(), ""));
    SetString(Classes, Volume(7).c_str(), "", "Other");

    UpdateAssociations(SetupChoices());
    EXPECT_EQ("OldZkv", Value(Classes, Volume(0).c_str(), ""));
    EXPECT_EQ("OldZkv", Value(Classes, Volume(29).c_str(), ""));
    EXPECT_EQ("Other", Value(Classes, Volume(7).c_str(), ""));
    EXPECT_EQ("Unrelated", Value(Classes, Volume(50).c_str(), ""));
    EXPECT_FALSE(KeyExists(Classes, Volume(30).c_str()));

    OverrideWindowsVersion(1, 4, 10); // Windows 98: 100 volumes
    DeleteTree(Classes, ".zkv");
    DeleteTree(User, "Software\\Zelkova");
    UpdateAssociations(Ticked({0}, false));
    EXPECT_EQ("Zelkova", Value(Classes, Volume(99).c_str(), ""));
    EXPECT_EQ("Zelkova", Value(Classes, Volume(50).c_str(), ""));
    UpdateAssociations(SetupChoices()); // ".zkv" had no key: own volumes are deleted
    EXPECT_FALSE(KeyExists(Classes, Volume(99).c_str()));
    EXPECT_FALSE(KeyExists(Classes, Volume(0).c_str()));
}

TEST_F(Associations, TemplateFilesHoldEmptyArchivesAndAreWrittenOnce) {
    UpdateAssociations(Ticked({0, 1}));
    std::string zkv = FileBytes(ProgramFile("zkvnew.dat"));
    ASSERT_EQ(20u, zkv.size());
    EXPECT_EQ(std::string(reinterpret_cast<char*>(ZkvNewMenuTemplate.bytes), 20), zkv);
    EXPECT_EQ(0, zkv.compare(0, 4, "Zkv!"));
    EXPECT_EQ(std::string("PK\x05\x06", 4) + std::string(18, '\0'),
              FileBytes(ProgramFile("zipnew.dat")));
    EXPECT_EQ(ProgramFile("zkvnew.dat"), Value(Classes, ".zkv\\ShellNew", "FileName"));

    // An existing file is used unchanged; the old entry goes with its key.
    test_files::Write(ProgramFile("zkvnew.dat"), "mine");
    SetString(Classes, ".zkv\\ShellNew", "NullFile", "");
    UpdateAssociations(Ticked({0, 1}));
    EXPECT_EQ("mine", FileBytes(ProgramFile("zkvnew.dat")));
    EXPECT_EQ("<none>", Value(Classes, ".zkv\\ShellNew", "NullFile"));

    // Without Explorer integration the entry stays as it is.
    SetString(Classes, ".zip\\ShellNew", "FileName", "kept");
    UpdateAssociations(Ticked({0, 1}, false));
    EXPECT_EQ("kept", Value(Classes, ".zip\\ShellNew", "FileName"));
}

TEST_F(Associations, OlderSystemsAndUnwritableTemplatesGetDataWhichGiveBackRemoves) {
    OverrideWindowsVersion(2, 4, 0); // Windows NT 4
    UpdateAssociations(Ticked({1}));
    EXPECT_EQ(std::string("PK\x05\x06", 4) + std::string(18, '\0'),
              Value(Classes, ".zip\\ShellNew", "Data"));
    EXPECT_EQ("<none>", Value(Classes, ".zip\\ShellNew", "FileName"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(ProgramFile("zipnew.dat").c_str()));

    ClearWindowsVersionOverride();
    ASSERT_TRUE(CreateDirectoryA(ProgramFile("zkvnew.dat").c_str(), nullptr));
    UpdateAssociations(Ticked({0, 1}));
    EXPECT_EQ("<none>", Value(Classes, ".zkv\\ShellNew", "FileName"));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(ZkvNewMenuTemplate.bytes), 20),
              Value(Classes, ".zkv\\ShellNew", "Data"));

    UpdateAssociations(SetupChoices());
    EXPECT_FALSE(KeyExists(Classes, ".zkv")); // no key before
    EXPECT_EQ("<none>", Value(Classes, ".zip\\ShellNew", "Data"));
    EXPECT_EQ("<none>", Value(Classes, ".zip\\ShellNew", "FileName"));
}

TEST_F(Associations, AnotherProgramsNewMenuDataOnAnyTypeSurvivesTakeOverAndGiveBack) {
    const std::string cabinet("MSCF\0\0\0\0", 8);
    SetString(Classes, ".cab", "", "CABFolder");
    SetBinary(Classes, ".cab\\ShellNew", "Data", cabinet);
    UpdateAssociations(Ticked({2}));
    EXPECT_EQ("Zelkova", Value(Classes, ".cab", ""));
    EXPECT_EQ(cabinet, Value(Classes, ".cab\\ShellNew", "Data"));
    UpdateAssociations(SetupChoices());
    EXPECT_EQ("CABFolder", Value(Classes, ".cab", ""));
    EXPECT_EQ(cabinet, Value(Classes, ".cab\\ShellNew", "Data"));
}

TEST_F(Associations, NewMenuDataThatOnlyResemblesATemplateIsNotTakenForOurs) {
    // The empty ZIP archive with a comment length of 1: one byte off ours.
    const std::string almost = std::string("PK\x05\x06", 4) + std::string(16, '\0') + "\x01" + '\0';
    SetString(Classes, ".zip", "", "CompressedFolder");
    SetBinary(Classes, ".zip\\ShellNew", "Data", almost);
    UpdateAssociations(Ticked({1}, false)); // without Explorer integration
    EXPECT_EQ("Zelkova.ZIP", Value(Classes, ".zip", ""));
    UpdateAssociations(SetupChoices());
    EXPECT_EQ("CompressedFolder", Value(Classes, ".zip", ""));
    EXPECT_EQ(almost, Value(Classes, ".zip\\ShellNew", "Data"));
}

// The empty ZIP archive is the same 22 bytes for every archiver: whose
// "Data" it is, the record of the take-over says.
TEST_F(Associations, NewMenuDataGoesByTheRecordOfWhoWroteIt) {
    const std::string emptyZip = std::string("PK\x05\x06", 4) + std::string(18, '\0');
    const char* const none = "<none>";
    // Another archiver's "Data" stays; ours goes, by the record or, where an
    // earlier setup left no mark, by its bytes.
    const struct {
        const char* what;
        bool theirs;      // else setup's own, written as "Data" with Explorer integration on NT 4
        bool earlierMark; // the record as an earlier setup left it: no mark, no former "Data"
    } cases[] = {{"theirs", true, false}, {"ours", false, false}, {"ours, earlier", false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Clean();
        SetString(Classes, ".zip", "", "OtherArchiver.zip");
        if (c.theirs) SetBinary(Classes, ".zip\\ShellNew", "Data", emptyZip);
        OverrideWindowsVersion(VER_PLATFORM_WIN32_NT, 4, 0);
        UpdateAssociations(Ticked({1}, !c.theirs));
        ClearWindowsVersionOverride();
        ASSERT_EQ("Zelkova.ZIP", Value(Classes, ".zip", ""));
        if (c.earlierMark) {
            for (const char* name : {"DataWritten", "FormerData"})
                DeleteValue(User, "Software\\Zelkova\\Setup\\.zip", name);
        }
        UpdateAssociations(SetupChoices());
        EXPECT_EQ("OtherArchiver.zip", Value(Classes, ".zip", ""));
        EXPECT_EQ(c.theirs ? emptyZip : none, Value(Classes, ".zip\\ShellNew", "Data"));
        EXPECT_EQ(none, Value(Classes, ".zip\\ShellNew", "FileName"));
    }
}

TEST_F(Associations, TemplatesWrittenAsDataOnWindows98GoOnGiveBack) {
    OverrideWindowsVersion(1, 4, 10);
    SetString(Classes, ".zkv", "", "OldZkv"); // had a key: its ShellNew key is not deleted whole
    SetString(Classes, ".zip", "", "CompressedFolder");
    UpdateAssociations(Ticked({0, 1}));
    ASSERT_EQ(std::string(reinterpret_cast<char*>(ZkvNewMenuTemplate.bytes), 20),
              Value(Classes, ".zkv\\ShellNew", "Data"));
    ASSERT_EQ(std::string("PK\x05\x06", 4) + std::string(18, '\0'),
              Value(Classes, ".zip\\ShellNew", "Data"));
    UpdateAssociations(SetupChoices());
    EXPECT_EQ("OldZkv", Value(Classes, ".zkv", ""));
    EXPECT_EQ("<none>", Value(Classes, ".zkv\\ShellNew", "Data"));
    EXPECT_EQ("<none>", Value(Classes, ".zip\\ShellNew", "Data"));
}

TEST_F(Associations, ProgIdsNameTheArchiverQuotedWithItsIcons) {
    RegisterProgIds();
    std::string program = ProgramFile("Zelkova.exe");
    EXPECT_EQ("\"" + program + "\" \"%1\"", Value(Classes, "Zelkova\\shell\\open\\command", ""));
    EXPECT_EQ("\"" + program + "\" \"%1\"",
              Value(Classes, "Zelkova.ZIP\\shell\\open\\command", ""));
    EXPECT_EQ(program + ",0", Value(Classes, "Zelkova.ZIP\\DefaultIcon", ""));
    EXPECT_EQ(program + ",1", Value(Classes, "Zelkova.REV\\DefaultIcon", ""));
    EXPECT_EQ("Zelkova.REV", Value(Classes, ".rev", ""));
    for (const char* key : {"Zelkova", "Zelkova.ZIP", "Zelkova.REV", ".rev"})
        DeleteTree(Classes, key);
}

TEST_F(Associations, RevIsPointedAtItsProgIdEvenWithoutAProgramPath) {
    const char* const keys[] = {"Zelkova", "Zelkova.ZIP", "Zelkova.REV", ".rev"};
    for (const char* key : keys)
        DeleteTree(Classes, key);
    OverrideProgramPath(DeepProgram.c_str());
    RegisterProgIds();
    ClearProgramPathOverride();
    EXPECT_EQ("Zelkova.REV", Value(Classes, ".rev", ""));
    EXPECT_FALSE(KeyExists(Classes, "Zelkova.REV\\shell\\open\\command")); // would name no program
    EXPECT_EQ("<none>", Value(Classes, "Zelkova\\DefaultIcon", ""));
    for (const char* key : keys)
        DeleteTree(Classes, key);
}
} // namespace
