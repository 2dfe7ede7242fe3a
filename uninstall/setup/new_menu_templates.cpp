#include "uninstall/setup/new_menu_templates.h"

namespace {
// 7-byte marker, then the main header of an empty archive: checksum 0x90CF
// (low 16 bits of the CRC-32 of the 11 bytes after it), type 0x73, flags 0,
// size 13, six reserved bytes.
unsigned char ZkvBytes[20] = {0,    'k',  'v',  '!',  0x1A, 0x07, 0x00, 0xCF, 0x90, 0x73,
                              0x00, 0x00, 0x0D, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
// End-of-central-directory record of a ZIP archive without entries.
unsigned char ZipBytes[22] = {0, 'K', 0x05, 0x06};
} // namespace

const NewMenuTemplate ZkvNewMenuTemplate = {"zkvnew.dat", ZkvBytes, sizeof ZkvBytes};
const NewMenuTemplate ZipNewMenuTemplate = {"zipnew.dat", ZipBytes, sizeof ZipBytes};

void PrepareNewMenuTemplates() {
    ZkvBytes[0] = 'Z';
    ZipBytes[0] = 'P';
}
