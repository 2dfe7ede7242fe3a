#pragma once
// The resources of a PE file (a program or a resource-only library), read
// from its bytes without any Windows API: the string table and the texts of
// dialog templates, in UTF-16 as the file stores them.
#include <cstdint>
#include <string>
#include <vector>

struct StringResource {
    int id;
    std::u16string text;
};

struct DialogControl {
    int id;              // -1 for the usual "no id" of static texts
    std::u16string text; // empty when the template gives none or an ordinal
};

struct DialogTexts {
    std::u16string title;
    std::vector<DialogControl> controls;
};

class PeResources {
  public:
    // Reads the file; false with a reason when it is no PE file or has no
    // resources.
    bool Load(const char* path, std::string* error);
    // Every non-empty string of the string table, by rising id.
    std::vector<StringResource> Strings() const;
    // The texts of the dialog template with this name; false when there is
    // none or it is damaged.
    bool Dialog(const char* name, DialogTexts* dialog) const;

  private:
    struct Entry {
        std::u16string name; // empty for an id
        std::uint32_t id;
        std::uint32_t offset; // of the data entry or sub-directory, in the resource section
        bool directory;
    };
    std::vector<unsigned char> bytes;
    std::uint32_t resourceStart = 0; // file offset of the resource directory
    struct Section {
        std::uint32_t rva, size, fileOffset;
    };
    std::vector<Section> sections;

    bool Entries(std::uint32_t directory, std::vector<Entry>* entries) const;
    // The name entries of a resource type.
    bool OfType(std::uint32_t type, std::vector<Entry>* entries) const;
    bool FirstData(const Entry& entry, std::uint32_t* offset, std::uint32_t* size) const;
    bool FindNamed(std::uint32_t type, const char* name, std::uint32_t* offset,
                   std::uint32_t* size) const;
    bool FileOffset(std::uint32_t rva, std::uint32_t* offset) const;
};
