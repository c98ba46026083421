#include "base/module.h"

void ReportError(const char* file, int line, const char* message) {
#ifdef QELBOX_DIAGNOSTICS
    // The diagnostics build tells the debugger.
    char text[320];
    wsprintfA(text, "%s(%d): %s\n", file, line, message);
    OutputDebugStringA(text);
#else
    // Failures are not logged; the caller's result is what the outside sees.
    (void)file;
    (void)line;
    (void)message;
#endif
}
