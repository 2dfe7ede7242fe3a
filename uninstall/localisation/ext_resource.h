#pragma once
// The optional language library "zkvlng.dll" next to the program.
#include <windows.h>

extern HINSTANCE ProgramModule;  // the program itself
extern HINSTANCE ResourceModule; // the language library while loaded, else the program

class ExtResource {
  public:
    bool loaded = false;

    ~ExtResource() { Unload(); }
    void Load(HINSTANCE instance);
    void Unload();
};

extern ExtResource LanguagePack;
