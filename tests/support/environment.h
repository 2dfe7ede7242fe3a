#pragma once
// Environment variables changed for the programs a test starts, the old
// values (or their absence) put back when the test is done with them.
#include <windows.h>

#include <string>
#include <vector>

class EnvironmentChange {
  public:
    EnvironmentChange() = default;
    EnvironmentChange(const EnvironmentChange&) = delete;
    EnvironmentChange& operator=(const EnvironmentChange&) = delete;
    ~EnvironmentChange() { Restore(); }

    // Sets name to value; a null value removes the variable.
    void Set(const char* name, const char* value) {
        char old[2048];
        DWORD length = GetEnvironmentVariableA(name, old, sizeof old);
        saved.push_back({name, length > 0 && length < sizeof old ? old : "", length > 0});
        SetEnvironmentVariableA(name, value);
    }

    // Puts back every variable as it was before the first Set, latest first.
    void Restore() {
        for (auto it = saved.rbegin(); it != saved.rend(); ++it)
            SetEnvironmentVariableA(it->name.c_str(), it->existed ? it->value.c_str() : nullptr);
        saved.clear();
    }

  private:
    struct Saved {
        std::string name, value;
        bool existed;
    };
    std::vector<Saved> saved;
};
