#include "tools/zkvlng/pe_resources.h"
#include <cstdio>

namespace {

constexpr std::uint32_t TypeDialog = 5;
constexpr std::uint32_t TypeString = 6;
constexpr std::uint32_t HighBit = 0x80000000u;
constexpr std::uint32_t ResourceDirectoryIndex = 2;
constexpr std::uint32_t DsSetFont = 0x40;

// Bounded little-endian reads from a block of bytes; a read past its end
// marks the reader bad and yields 0.
class Reader {
    const std::vector<unsigned char>& bytes;

  public:
    Reader(const std::vector<unsigned char>& bytes, std::uint32_t start, std::uint32_t end)
        : bytes(bytes), pos(start), end(end < bytes.size() ? end : bytes.size()) {}
    std::uint32_t pos;
    bool bad = false;

    std::uint32_t U16() { return Take(2); }
    std::uint32_t U32() { return Take(4); }
    void Skip(std::uint32_t n) {
        if (pos > end || end - pos < n)
            bad = true;
        else
            pos += n;
    }
    void AlignTo4(std::uint32_t base) { pos += (4 - (pos - base) % 4) % 4; }
    // A zero-terminated UTF-16 text.
    std::u16string Text() {
        std::u16string text;
        for (std::uint32_t c = U16(); c != 0 && !bad; c = U16())
            text += static_cast<char16_t>(c);
        return text;
    }
    // A text or an ordinal (0xFFFF, then the number): ordinals give an empty
    // text.
    std::u16string TextOrOrdinal() {
        const std::uint32_t first = U16();
        if (first == 0xFFFF) {
            U16();
            return {};
        }
        if (first == 0) return {};
        std::u16string text(1, static_cast<char16_t>(first));
        return text + Text();
    }

  private:
    std::uint32_t end;
    std::uint32_t Take(std::uint32_t n) {
        if (bad || pos > end || end - pos < n) {
            bad = true;
            return 0;
        }
        std::uint32_t value = 0;
        for (std::uint32_t i = 0; i < n; ++i)
            value |= static_cast<std::uint32_t>(bytes[pos + i]) << (8 * i);
        pos += n;
        return value;
    }
};

// Resource names compare like FindResource's: without regard to case.
bool SameName(const std::u16string& stored, const char* name) {
    std::size_t i = 0;
    for (; name[i] != '\0'; ++i) {
        if (i >= stored.size()) return false;
        char16_t a = stored[i];
        char b = name[i];
        if (a >= u'a' && a <= u'z') a = static_cast<char16_t>(a - u'a' + u'A');
        if (b >= 'a' && b <= 'z') b = static_cast<char>(b - 'a' + 'A');
        if (a != static_cast<unsigned char>(b)) return false;
    }
    return i == stored.size();
}

} // namespace

bool PeResources::Load(const char* path, std::string* error) {
    bytes.clear();
    sections.clear();
    std::FILE* file = std::fopen(path, "rb");
    if (!file) {
        *error = "cannot open the file";
        return false;
    }
    unsigned char block[65536];
    for (std::size_t got; (got = std::fread(block, 1, sizeof block, file)) > 0;)
        bytes.insert(bytes.end(), block, block + got);
    std::fclose(file);

    Reader r(bytes, 0, static_cast<std::uint32_t>(bytes.size()));
    if (r.U16() != 0x5A4D) { // "MZ"
        *error = "not a Windows program or library (no MZ header)";
        return false;
    }
    r.pos = 0x3C;
    r.pos = r.U32();
    if (r.U32() != 0x00004550) { // "PE\0\0"
        *error = "not a Windows program or library (no PE header)";
        return false;
    }
    r.Skip(2);
    const std::uint32_t sectionCount = r.U16();
    r.Skip(12);
    const std::uint32_t optionalSize = r.U16();
    r.Skip(2);
    const std::uint32_t optional = r.pos;
    const std::uint32_t magic = r.U16();
    const std::uint32_t directories = optional + (magic == 0x20B ? 112 : 96);
    r.pos = optional + (magic == 0x20B ? 108 : 92);
    const std::uint32_t directoryCount = r.U32();
    r.pos = directories + 8 * ResourceDirectoryIndex;
    const std::uint32_t resourceRva = r.U32();
    r.pos = optional + optionalSize;
    for (std::uint32_t i = 0; i < sectionCount && !r.bad; ++i) {
        const std::uint32_t header = r.pos;
        r.pos = header + 8;
        Section s;
        s.size = r.U32();
        s.rva = r.U32();
        const std::uint32_t rawSize = r.U32();
        s.fileOffset = r.U32();
        if (rawSize < s.size || s.size == 0) s.size = rawSize;
        sections.push_back(s);
        r.pos = header + 40;
    }
    if (r.bad || (magic != 0x10B && magic != 0x20B)) {
        *error = "damaged PE header";
        return false;
    }
    if (directoryCount <= ResourceDirectoryIndex || resourceRva == 0 ||
        !FileOffset(resourceRva, &resourceStart)) {
        *error = "the file holds no resources";
        return false;
    }
    return true;
}

bool PeResources::FileOffset(std::uint32_t rva, std::uint32_t* offset) const {
    for (const Section& s : sections) {
        if (rva >= s.rva && rva - s.rva < s.size) {
            *offset = s.fileOffset + (rva - s.rva);
            return *offset < bytes.size();
        }
    }
    return false;
}

bool PeResources::Entries(std::uint32_t directory, std::vector<Entry>* entries) const {
    Reader r(bytes, resourceStart + directory, static_cast<std::uint32_t>(bytes.size()));
    r.Skip(12);
    const std::uint32_t count = r.U16() + r.U16();
    for (std::uint32_t i = 0; i < count && !r.bad; ++i) {
        Entry e;
        const std::uint32_t name = r.U32();
        const std::uint32_t data = r.U32();
        e.id = name & HighBit ? 0 : name;
        if (name & HighBit) {
            Reader n(bytes, resourceStart + (name & ~HighBit),
                     static_cast<std::uint32_t>(bytes.size()));
            const std::uint32_t length = n.U16();
            for (std::uint32_t k = 0; k < length && !n.bad; ++k)
                e.name += static_cast<char16_t>(n.U16());
            if (n.bad) return false;
        }
        e.directory = (data & HighBit) != 0;
        e.offset = data & ~HighBit;
        entries->push_back(e);
    }
    return !r.bad;
}

// The data of the first language of a name entry.
bool PeResources::FirstData(const Entry& entry, std::uint32_t* offset, std::uint32_t* size) const {
    std::uint32_t dataEntry = entry.offset;
    if (entry.directory) {
        std::vector<Entry> languages;
        if (!Entries(entry.offset, &languages) || languages.empty() || languages[0].directory)
            return false;
        dataEntry = languages[0].offset;
    }
    Reader r(bytes, resourceStart + dataEntry, static_cast<std::uint32_t>(bytes.size()));
    const std::uint32_t rva = r.U32();
    *size = r.U32();
    return !r.bad && FileOffset(rva, offset) && *size <= bytes.size() - *offset;
}

bool PeResources::OfType(std::uint32_t type, std::vector<Entry>* entries) const {
    std::vector<Entry> types;
    if (!Entries(0, &types)) return false;
    for (const Entry& t : types) {
        if (t.name.empty() && t.id == type && t.directory) return Entries(t.offset, entries);
    }
    return false;
}

bool PeResources::FindNamed(std::uint32_t type, const char* name, std::uint32_t* offset,
                            std::uint32_t* size) const {
    std::vector<Entry> names;
    if (!OfType(type, &names)) return false;
    for (const Entry& n : names) {
        if (!n.name.empty() && SameName(n.name, name)) return FirstData(n, offset, size);
    }
    return false;
}

std::vector<StringResource> PeResources::Strings() const {
    std::vector<StringResource> strings;
    std::vector<Entry> blocks;
    if (!OfType(TypeString, &blocks)) return strings;
    for (const Entry& b : blocks) {
        std::uint32_t offset, size;
        if (!b.name.empty() || b.id == 0 || !FirstData(b, &offset, &size)) continue;
        // A block holds strings (id - 1) * 16 to (id - 1) * 16 + 15, each a
        // length and that many UTF-16 units.
        Reader r(bytes, offset, offset + size);
        for (int i = 0; i < 16 && !r.bad; ++i) {
            const std::uint32_t length = r.U16();
            std::u16string text;
            for (std::uint32_t k = 0; k < length && !r.bad; ++k)
                text += static_cast<char16_t>(r.U16());
            if (!r.bad && !text.empty())
                strings.push_back({static_cast<int>((b.id - 1) * 16 + i), text});
        }
    }
    return strings;
}

bool PeResources::Dialog(const char* name, DialogTexts* dialog) const {
    std::uint32_t offset, size;
    if (!FindNamed(TypeDialog, name, &offset, &size)) return false;
    Reader r(bytes, offset, offset + size);
    const bool extended = r.U16() == 1 && r.U16() == 0xFFFF;
    std::uint32_t style, count;
    if (extended) {
        r.Skip(8); // help id, extended style
        style = r.U32();
    } else {
        r.pos = offset;
        style = r.U32();
        r.Skip(4); // extended style
    }
    count = r.U16();
    r.Skip(8);         // position and size
    r.TextOrOrdinal(); // menu
    r.TextOrOrdinal(); // class
    dialog->title = r.Text();
    dialog->controls.clear();
    if (style & DsSetFont) {
        r.Skip(extended ? 6 : 2); // point size, weight, italic, character set
        r.Text();                 // face name
    }
    for (std::uint32_t i = 0; i < count && !r.bad; ++i) {
        r.AlignTo4(offset);
        r.Skip(extended ? 20 : 16); // help id, styles, position, size
        DialogControl control;
        control.id = extended ? static_cast<int>(r.U32()) : static_cast<std::int16_t>(r.U16());
        r.TextOrOrdinal(); // class
        control.text = r.TextOrOrdinal();
        r.Skip(r.U16()); // creation data
        dialog->controls.push_back(control);
    }
    return !r.bad;
}
