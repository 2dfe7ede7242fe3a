// Records every start in interpreter_stub.log and runs nothing: the batch
// file it is handed stays where it is, for the test to read.
#include "stubs/common/start_log.h"

int main() {
    return RecordStart() ? 0 : 3;
}
