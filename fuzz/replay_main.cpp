// Runs a fuzz target over stored inputs without a fuzzer: every file named,
// and every file in every folder named. For the unit-test run, so inputs that
// once found a fault are tried again on every build.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <string>
#include <sys/stat.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

bool IsFolder(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Replays one file; false when it cannot be read.
bool Replay(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    std::vector<std::uint8_t> bytes;
    std::uint8_t block[65536];
    std::size_t got;
    while ((got = std::fread(block, 1, sizeof block, f)) > 0)
        bytes.insert(bytes.end(), block, block + got);
    std::fclose(f);
    // An exactly sized copy, so a read past the input is caught.
    std::uint8_t* exact = static_cast<std::uint8_t*>(std::malloc(bytes.size()));
    if (!bytes.empty()) std::memcpy(exact, bytes.data(), bytes.size());
    std::fprintf(stderr, "replay %s (%zu bytes)\n", path.c_str(), bytes.size());
    LLVMFuzzerTestOneInput(exact, bytes.size());
    std::free(exact);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        std::vector<std::string> files;
        if (IsFolder(argv[i])) {
            if (DIR* dir = opendir(argv[i])) {
                while (dirent* entry = readdir(dir)) {
                    const std::string path = std::string(argv[i]) + "/" + entry->d_name;
                    if (entry->d_name[0] != '.' && !IsFolder(path)) files.push_back(path);
                }
                closedir(dir);
            }
        } else {
            files.push_back(argv[i]);
        }
        for (const std::string& file : files) {
            if (!Replay(file)) {
                std::fprintf(stderr, "cannot read %s\n", file.c_str());
                return 1;
            }
            ++replayed;
        }
    }
    std::printf("replayed %d inputs\n", replayed);
    return replayed > 0 ? 0 : 1; // an empty corpus is a broken checkout
}
