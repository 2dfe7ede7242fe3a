#pragma once
// Removes Zelkova: confirmation, registry, listed files, then the program
// file and folder through a batch file. Returns only when it stops early.
void RunUninstall();
