#pragma once
// The files that Explorer's "New" menu copies for an empty ZKV or ZIP
// archive. Each is kept with a zero first byte so that the program file never
// carries an archive marker; PrepareNewMenuTemplates sets that byte.
#include <cstddef>

struct NewMenuTemplate {
    const char* fileName; // in the program folder
    unsigned char* bytes;
    std::size_t size;
};

extern const NewMenuTemplate ZkvNewMenuTemplate; // "zkvnew.dat", 20 bytes
extern const NewMenuTemplate ZipNewMenuTemplate; // "zipnew.dat", 22 bytes

void PrepareNewMenuTemplates();
