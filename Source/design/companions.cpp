// Starting the design wizard and opening the help, both found in the
// directory of the library module.
#include "design/companions.h"

#include <stdlib.h>

#include "base/module.h"

#ifdef _WIN64
#define QELBOX_DLL_FILE "qelbox64.dll"
#else
#define QELBOX_DLL_FILE "qelbox32.dll"
#endif

namespace {

const char kWizardMissing[] =
    "The QelBox/DLL Wizard application is part of the QelBox/DLL product and is not installed."
    "\r\n\r\nThe Wizard generates the code that sets up columns, headers and colours of a "
    "QelBox control. To obtain it, order the complete QelBox/DLL package from your supplier "
    "and install it into the directory that holds " QELBOX_DLL_FILE ".";

// Full path of a file named `name`.`extension` beside the library module.
void PathBesideLibrary(const char* name, const char* extension, char* path) {
    char module[MAX_PATH];
    char drive[_MAX_DRIVE];
    char directory[_MAX_DIR];
    module[0] = 0;
    GetModuleFileNameA(g_module.module, module, MAX_PATH);
    _splitpath(module, drive, directory, nullptr, nullptr);
    _makepath(path, drive, directory, name, extension);
}

} // namespace

void LaunchWizard() {
    char path[MAX_PATH];
    PathBesideLibrary("QELBOXWZ", "EXE", path);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    // The wizard runs on its own; the dialog editor is not blocked.
    if (CreateProcessA(path, nullptr, nullptr, nullptr, FALSE,
                       CREATE_DEFAULT_ERROR_MODE | NORMAL_PRIORITY_CLASS, nullptr, nullptr,
                       &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return;
    }
    MessageBoxA(nullptr, kWizardMissing, "Orvane", MB_ICONHAND | MB_TASKMODAL);
}

void OpenHelp(HWND owner) {
    char path[MAX_PATH];
    PathBesideLibrary("QELBOX", "HLP", path);
    WinHelpA(owner, path, HELP_CONTEXT, 1000);
}
