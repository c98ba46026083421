// The design-time programs and files installed beside the library: the
// design wizard and the help file.
#pragma once

#include <windows.h>

// Starts the wizard program; tells the user when it is not installed.
void LaunchWizard();
// Opens the library's help file at its contents topic.
void OpenHelp(HWND owner);
