#pragma once
// What the tool's tests share: the program's texts read once per code page,
// crafted files in /tmp and the checker's findings on them.
#include "tools/zkvlng/lng_check.h"
#include "tools/zkvlng/lng_template.h"
#include "tools/zkvlng/pe_resources.h"
#include "uninstall/localisation/language_resources.h"
#include "uninstall/res/resource_ids.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>

inline const CodePage& CodePageOf(unsigned number) {
    static std::map<unsigned, std::unique_ptr<CodePage>> pages;
    std::unique_ptr<CodePage>& page = pages[number];
    if (!page) page = std::make_unique<CodePage>(number);
    return *page;
}

inline const CodePage& Gbk = CodePageOf(936);

inline std::string Ansi(const char* utf8) {
    std::string out;
    EXPECT_TRUE(Gbk.FromUtf8(utf8, &out));
    return out;
}

inline std::string ReadAll(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// A file in /tmp, removed with the object.
class TempFile {
  public:
    char path[64] = "/tmp/zkvlng-test-XXXXXX";
    explicit TempFile(const std::string& contents) {
        const int fd = mkstemp(path);
        EXPECT_EQ(static_cast<ssize_t>(contents.size()),
                  write(fd, contents.data(), contents.size()));
        close(fd);
    }
    ~TempFile() { unlink(path); }
};

inline std::vector<SourceText> ReadTexts(const char* library, const CodePage& codePage = Gbk) {
    std::vector<SourceText> texts;
    std::string error;
    EXPECT_TRUE(ReadSourceTexts(ZKVLNG_PROGRAM, library, codePage, &texts, &error)) << error;
    return texts;
}

// The program's texts, read once.
inline const std::vector<SourceText>& ProgramTexts(unsigned codePage = 936) {
    static std::map<unsigned, std::vector<SourceText>> texts;
    if (!texts.count(codePage)) texts[codePage] = ReadTexts(nullptr, CodePageOf(codePage));
    return texts[codePage];
}

inline const SourceText* Find(const std::vector<SourceText>& texts, const std::string& where) {
    for (const SourceText& t : texts) {
        if (t.where == where) return &t;
    }
    ADD_FAILURE() << "no source text " << where;
    static const SourceText none{};
    return &none;
}

// A string of the program's table, named as the tool names it.
inline const SourceText* FindString(const std::vector<SourceText>& texts, int id) {
    return Find(texts, "string " + std::to_string(id));
}

inline std::string Entry(const SourceText* source, const std::string& value) {
    return source->key + "=\"" + value + "\"\r\n";
}

// The findings of a file with the program's texts, as "line: message".
inline std::vector<Finding> Check(const std::string& contents, bool withProgram = true,
                                  CheckResult* all = nullptr, unsigned codePage = 936) {
    const std::vector<SourceText>& texts = ProgramTexts(codePage);
    TempFile file(contents);
    CheckResult result = CheckTranslationFile(file.path, CodePageOf(codePage),
                                              withProgram ? texts : SpecialEntries(), withProgram);
    for (const Finding& f : result.errors)
        std::printf("    line %d: %s\n", f.line, f.message.c_str());
    if (all) *all = result;
    return result.errors;
}

inline void ExpectOneAt(const std::vector<Finding>& findings, int line, const char* part) {
    ASSERT_EQ(1u, findings.size());
    EXPECT_EQ(line, findings[0].line);
    EXPECT_NE(std::string::npos, findings[0].message.find(part)) << findings[0].message;
}

inline const std::string Head = "; a test\r\n***messages***\r\n"; // the table starts on line 3
