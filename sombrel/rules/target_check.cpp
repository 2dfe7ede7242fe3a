#include "sombrel/rules/target_check.h"

#include <cstring>

namespace {
bool Matches(const char* clock, const char* target) {
    return target[0] != '\0' && std::strcmp(clock, target) == 0;
}
} // namespace

TargetsReached CheckTargets(const char* clock, const char* alarm, const char* shutdown) {
    return {Matches(clock, alarm), Matches(clock, shutdown)};
}
