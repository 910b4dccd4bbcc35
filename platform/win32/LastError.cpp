// The calling thread's last error code, as Windows keeps it for GetLastError; the file
// searches set it so that callers can tell a missing file from one that cannot be reached.
#include "win/winbase.h"

namespace {
thread_local DWORD lastError = ERROR_SUCCESS;
}

DWORD GetLastError() { return lastError; }

void SetLastError(DWORD error) { lastError = error; }
