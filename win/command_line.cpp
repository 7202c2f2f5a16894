// Splitting the command line as the C runtime does, then one call per argument.
#include "win/command_line.h"

#include <cstdlib>

namespace win {

void CommandLineInfo::ParseParam(const char*, bool, bool) {
    // No argument has a meaning of its own to the program's base parser.
}

void ParseCommandLine(CommandLineInfo& info) {
    for (int i = 1; i < __argc; ++i) {
        const char* param = __argv[i];
        const bool isFlag = param[0] == '-' || param[0] == '/';
        info.ParseParam(isFlag ? param + 1 : param, isFlag, i == __argc - 1);
    }
}

}  // namespace win
