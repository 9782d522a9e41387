// A stand-in browser for the Windows link tests: writes the command line it
// was started with and then its arguments, one a line, to a file named after
// itself with ".record" appended, and last the line "end of record". Written
// aside, renamed into place and closed by that line, so that a reader can tell
// a complete record from one still being written.

#include <windows.h>

#include <fstream>
#include <string>

int main(int argc, char** argv) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string record = std::string(self) + ".record";
    const std::string part = record + ".part";
    {
        std::ofstream out(part, std::ios::binary);
        out << GetCommandLineA() << '\n';
        for (int i = 1; i < argc; ++i) out << argv[i] << '\n';
        out << "end of record\n";
    }
    return MoveFileExA(part.c_str(), record.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
