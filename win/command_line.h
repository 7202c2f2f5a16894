// The program's command line, handed argument by argument to a parser object.
#pragma once

namespace win {

class CommandLineInfo {
public:
    virtual ~CommandLineInfo() = default;
    // One argument. A leading '-' or '/' is removed and `isFlag` set.
    virtual void ParseParam(const char* param, bool isFlag, bool isLast);
};

// Feeds every argument after the program name to `info`, in order.
void ParseCommandLine(CommandLineInfo& info);

}  // namespace win
