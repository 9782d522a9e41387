/* A stand-in browser for the Windows tests under Wine: writes the arguments
 * it was started with, one per line in UTF-8, to a file beside itself named
 * after it with ".args" appended, so the test can tell what the program
 * started and how the address arrived. */
#include <stdio.h>
#include <wchar.h>
#include <windows.h>

int wmain(int argc, wchar_t* argv[]) {
    wchar_t path[MAX_PATH + 8];
    DWORD length = GetModuleFileNameW(NULL, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return 1;
    wcscat(path, L".args");
    FILE* record = _wfopen(path, L"ab");
    if (record == NULL) return 1;
    for (int i = 1; i < argc; ++i) {
        char utf8[4096];
        int bytes = WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, utf8, sizeof utf8, NULL, NULL);
        if (bytes > 0) fprintf(record, "%s\n", utf8);
    }
    fprintf(record, "--\n");
    fclose(record);
    return 0;
}
