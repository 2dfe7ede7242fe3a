#pragma once
// The translation table read from "uninstall.lng" and the dialog pass that
// uses it.
#include <cstddef>
#include "uninstall/common/lead_bytes.h"
#include "uninstall/localisation/array.h"

#ifdef _WIN32
#include <windows.h>
#endif

class LanguageResources {
  public:
    enum Kind { String = 0, Dialog = 1 }; // key kinds "s" and "$"

    char* text = nullptr; // unescaped table, zero-terminated; null when none
    int size = 0;
    Array<int> lines; // indexed line starts, sorted by their first 8 bytes
    bool rtl = false;

    LanguageResources() = default;
    ~LanguageResources();
    LanguageResources(const LanguageResources&) = delete;
    LanguageResources& operator=(const LanguageResources&) = delete;

    bool IsLoaded() const { return text != nullptr; }

    // Reads the table from a file; a name without a backslash is looked up
    // next to the program. Drops any table held before.
    void ReadTable(const char* name);
    // Decides the direction: rtlDialog is whether the resource module holds
    // a dialog named "RTL"; otherwise the table's direction entry decides.
    void DetectDirection(bool rtlDialog);
    // Writes the translation of source (or source itself) into dest, cut to
    // destSize without splitting a two-byte character. dest may be source.
    void Translate(char* dest, std::size_t destSize, const char* source, const char* section,
                   Kind kind, const LeadByteTable& lead = LeadBytes) const;
    // Line start of the entry with this 8-digit key, or null.
    const char* FindSorted(const char* key) const;
    const char* FindLinear(const char* key) const;
    // Width and height percentages of a dialog's scale entry; true when the
    // dialog is to be rescaled.
    bool GetScale(const char* dialogName, int* xs, int* ys) const;

#ifdef _WIN32
    // ReadTable, then DetectDirection with the "RTL" dialog check on the
    // current resource module.
    void Load(const char* name);
    void LocalizeDialog(const char* dialogName, HWND dialog) const;
    void ApplyLayout(HWND window) const;
#endif
};

extern LanguageResources Translations;

// The percentages of a dialog's scale entry as the dialog pass reads them:
// the numbers before and after its '*' (100 and 100 without one). False when
// one lies outside 1 to 1000: the dialog is then left as it is.
bool ReadScaleEntry(const char* entry, long* x, long* y);
