#pragma once
// Undoes everything setup wrote into the registry and the shell.
void CleanRegistry();
