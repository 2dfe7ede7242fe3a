#include "sombrel/form1.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (!CreateForm1(instance)) return 1;
    return FormRun(&Form1);
}
