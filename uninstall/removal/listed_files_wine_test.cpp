// Removal passes over a real list file in a scratch folder.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "uninstall/common/file.h"
#include "uninstall/common/windows_version.h"
#include "uninstall/common/list_entries.h"
#include "uninstall/removal/listed_files.h"
#include "tests/support/call_site.h"
#include "tests/support/pending_renames.h"
#include "tests/support/files.h"

namespace {

// "文件" in code page 936.
const char* const ChineseName = "\xCE\xC4\xBC\xFE.txt";

TEST(ListedFiles, FoldersListedBeforeTheirContentsGoInLaterPasses) {
    ScratchFolder outer("zk-listed");
    CreateDirectoryA((outer / "zkv").c_str(), nullptr);
    const std::string folder = outer / "zkv";
    CreateDirectoryA((folder + "\\sub").c_str(), nullptr);
    CreateDirectoryA((folder + "\\sub\\deeper").c_str(), nullptr);
    test_files::Write(folder + "\\readonly.txt", "r");
    SetFileAttributesA((folder + "\\readonly.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    test_files::Write(folder + "\\sub\\b.txt", "b");
    test_files::Write(folder + "\\sub\\deeper\\c.txt", "c");
    SetFileAttributesA((folder + "\\sub\\deeper\\c.txt").c_str(),
                       FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    test_files::Write(folder + "\\" + ChineseName, "w");
    test_files::Write(folder + "\\kept.txt", "not listed");
    test_files::Write(outer / "outside.txt", "o");
    const std::string listPath = folder + "\\" + ListFileName;
    test_files::Write(listPath, "sub\r\n"
                                "sub\\deeper\r\n"
                                "readonly.txt  \r\n"
                                "\r\n"
                                "sub\\deeper\\c.txt\r\n"
                                "sub\\b.txt\r\n"
                                "missing.txt\r\n" +
                                    std::string(ChineseName) + "\r\n" +
                                    "Uninstall.lst\r\n"
                                    "..\\outside.txt\r\n" +
                                    outer.path + "\\outside.txt\r\n");

    File list;
    ASSERT_TRUE(list.Open(listPath.c_str()));
    // Pass 1: the three files and the Chinese one; 2: "deeper"; 3: "sub";
    // 4 removes nothing.
    RemoveListedFiles(list, (folder + "\\").c_str());
    for (const char* gone : {"sub", "readonly.txt", "missing.txt", ChineseName})
        EXPECT_FALSE(test_files::Exists(folder + "\\" + gone)) << gone;
    EXPECT_TRUE(test_files::Exists(folder + "\\kept.txt"));
    EXPECT_TRUE(test_files::Exists(outer / "outside.txt"));
    // The open list survives its own entry, so a stopped run can start again.
    EXPECT_TRUE(test_files::Exists(listPath));
    // Nothing left to remove: the passes end, and what is not listed stays.
    RemoveListedFiles(list, (folder + "\\").c_str());
    EXPECT_TRUE(test_files::Exists(folder + "\\kept.txt"));
}

// Files held open without delete sharing, as a running program holds its
// libraries; let go when the holder goes.
class Held {
  public:
    explicit Held(const std::string& path)
        : handle(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                             nullptr)) {
        EXPECT_NE(handle, INVALID_HANDLE_VALUE) << path;
    }
    ~Held() { CloseHandle(handle); }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;

  private:
    HANDLE handle;
};

std::string ReadWhole(const std::string& path) {
    std::string text;
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                           nullptr);
    if (h == INVALID_HANDLE_VALUE) return "<missing>";
    char buffer[4096];
    DWORD read;
    while (ReadFile(h, buffer, sizeof buffer, &read, nullptr) && read > 0)
        text.append(buffer, read);
    CloseHandle(h);
    return text;
}

// An installation folder with a program, a list file, a file that can go
// and the files named by held, which are kept open during the removal.
struct Installation {
    ScratchFolder outer{"zk-leftovers"};
    std::string folder = outer / "zkv";
    std::string program = folder + "\\uninstall.exe";

    explicit Installation(const std::string& list) {
        CreateDirectoryA(folder.c_str(), nullptr);
        CreateDirectoryA((folder + "\\sub").c_str(), nullptr);
        CreateDirectoryA((folder + "\\sub\\deeper").c_str(), nullptr);
        for (const char* name :
             {"uninstall.exe", "free.txt", "held long name.txt", "sub\\deeper\\held.dll"})
            test_files::Write(folder + "\\" + name, name);
        test_files::Write(folder + "\\" + ListFileName, list);
    }
    std::string In(const char* name) const { return folder + "\\" + name; }

    Leftovers Remove(CallSite at = {}) {
        CalledFrom trace(at);
        File list;
        EXPECT_TRUE(list.Open(In(ListFileName).c_str()));
        RemoveListedFiles(list, (folder + "\\").c_str());
        return ScheduleLeftovers(list, (folder + "\\").c_str(), program.c_str(),
                                 WinNtVersion() != 0);
    }
};

const char* const EveryEntry = "sub\r\n"
                               "sub\\deeper\\\r\n"
                               "held long name.txt\r\n"
                               "uninstall.exe\r\n"
                               "sub\\deeper\\held.dll\r\n"
                               "free.txt\r\n"
                               "Uninstall.lst\r\n";

TEST(ScheduleLeftovers, NothingLeftSchedulesNothing) {
    pending_renames::Clear();
    Installation installation(
        "free.txt\r\nsub\\deeper\\held.dll\r\nsub\\deeper\r\nsub\r\nuninstall.exe\r\n");
    {
        Held running(installation.program); // left to the batch file
        EXPECT_EQ(installation.Remove(), Leftovers::None);
    }
    EXPECT_TRUE(pending_renames::Read().empty());
}

TEST(ScheduleLeftovers, FilesThenFoldersDeepestFirstThenTheProgramFolder) {
    pending_renames::Clear();
    Installation installation(EveryEntry);
    {
        Held running(installation.program);
        Held dll(installation.In("sub\\deeper\\held.dll"));
        Held text(installation.In("held long name.txt"));
        EXPECT_EQ(installation.Remove(), Leftovers::Scheduled);
    }
    EXPECT_FALSE(test_files::Exists(installation.In("free.txt")));
    const std::vector<std::pair<std::string, std::string>> expected = {
        {installation.In("held long name.txt"), ""},
        {installation.In("sub\\deeper\\held.dll"), ""},
        {installation.In("sub\\deeper\\"), ""},
        {installation.In("sub"), ""},
        {installation.folder, ""}};
    EXPECT_EQ(pending_renames::Read(), expected);
    pending_renames::Clear();
}

// A listed folder that still holds something the list does not name holds
// the user's own files: it is neither scheduled nor a leftover, and nor are
// the listed folders above it. Only held listed files are.
TEST(ScheduleLeftovers, ListedFoldersWithTheUsersOwnFilesAreTheUsers) {
    const struct {
        const char* list;
        const char* usersFile; // not listed
        bool held;             // sub\deeper\held.dll, open during the removal
    } cases[] = {
        {"sub\\deeper\\held.dll\r\nsub\\deeper\r\nsub\r\n", "sub\\mine.txt", false},
        {"sub\r\nsub\\deeper\\\r\nsub\\deeper\\held.dll\r\n", "sub\\deeper\\mine.txt", false},
        {"sub/deeper/held.dll\r\nsub/deeper\r\nsub\r\n", "sub\\mine.txt", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list);
        pending_renames::Clear();
        Installation installation(c.list);
        test_files::Write(installation.In(c.usersFile), "the user's");
        {
            std::unique_ptr<Held> held(c.held ? new Held(installation.In("sub\\deeper\\held.dll"))
                                              : nullptr);
            EXPECT_EQ(installation.Remove(), c.held ? Leftovers::Scheduled : Leftovers::None);
        }
        std::vector<std::pair<std::string, std::string>> expected; // the held file's folders
        if (c.held)
            expected = {{installation.In("sub\\deeper\\held.dll"), ""},
                        {installation.In("sub\\deeper"), ""},
                        {installation.folder, ""}};
        EXPECT_EQ(pending_renames::Read(), expected);
        EXPECT_EQ(ReadWhole(installation.In(c.usersFile)), "the user's");
        pending_renames::Clear();
    }
}

// The file system's number of the file at path; 0 when it cannot be read.
ULONGLONG FileIndex(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    BY_HANDLE_FILE_INFORMATION about = {};
    GetFileInformationByHandle(file, &about);
    CloseHandle(file);
    return (static_cast<ULONGLONG>(about.nFileIndexHigh) << 32) | about.nFileIndexLow;
}

// The Windows 95 family, as the program sees it through the version seam.
class Windows95 : public ::testing::Test {
  protected:
    std::string wininit;
    std::string saved;

    void SetUp() override {
        OverrideWindowsVersion(VER_PLATFORM_WIN32_WINDOWS, 4, 10);
        char windows[MAX_PATH];
        GetWindowsDirectoryA(windows, sizeof windows);
        wininit = std::string(windows) + "\\WININIT.INI";
        saved = ReadWhole(wininit);
        pending_renames::Clear();
    }
    void TearDown() override {
        ClearWindowsVersionOverride();
        if (saved == "<missing>")
            DeleteFileA(wininit.c_str());
        else
            test_files::Write(wininit, saved);
    }

    static std::string Short(const std::string& path, CallSite at = {}) {
        CalledFrom trace(at);
        char buffer[MAX_PATH];
        DWORD length = GetShortPathNameA(path.c_str(), buffer, sizeof buffer);
        EXPECT_GT(length, 0u) << path;
        return std::string(buffer, length);
    }
};

TEST_F(Windows95, HeldFilesGoIntoTheRenameSectionByShortPathAndTheRestStays) {
    test_files::Write(wininit,
                      "[Setup]\r\nkeep=1\r\n[rename]\r\nNUL=C:\\OLD.TMP\r\n[Other]\r\nalso=2\r\n");
    const ULONGLONG oldFile = FileIndex(wininit);
    Installation installation("held long name.txt\r\nfree.txt\r\nuninstall.exe\r\n");
    std::string shortPath = Short(installation.In("held long name.txt"));
    EXPECT_EQ(shortPath.find(' '), std::string::npos) << shortPath;
    {
        Held text(installation.In("held long name.txt"));
        EXPECT_EQ(installation.Remove(), Leftovers::Scheduled);
    }
    EXPECT_EQ(ReadWhole(wininit), "[Setup]\r\nkeep=1\r\n[rename]\r\nNUL=" + shortPath +
                                      "\r\nNUL=C:\\OLD.TMP\r\n[Other]\r\nalso=2\r\n");
    EXPECT_TRUE(pending_renames::Read().empty());
    // Replaced by a complete new file, never rewritten in place, where a write
    // that fails half-way (a full disk) would lose other programs' lines.
    EXPECT_NE(FileIndex(wininit), oldFile);
}

TEST_F(Windows95, AFolderThatIsLeftIsLeftToTheUser) {
    DeleteFileA(wininit.c_str());
    Installation installation(EveryEntry);
    std::string dll = Short(installation.In("sub\\deeper\\held.dll"));
    {
        Held held(installation.In("sub\\deeper\\held.dll"));
        EXPECT_EQ(installation.Remove(), Leftovers::NotScheduled);
    }
    EXPECT_EQ(ReadWhole(wininit), "[rename]\r\nNUL=" + dll + "\r\n");
    EXPECT_FALSE(test_files::Exists(installation.In("held long name.txt")));
}

} // namespace
