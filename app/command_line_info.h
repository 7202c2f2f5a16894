// The command line as the program reads it: the flag "1" re-applies the saved
// lid, power-button and sleep-button actions without any window.
#pragma once

#include "win/command_line.h"

class CTallowinApp;

class CTallowinCommandLineInfo : public win::CommandLineInfo {
public:
    explicit CTallowinCommandLineInfo(CTallowinApp& app) : app_(app) {}
    void ParseParam(const char* param, bool isFlag, bool isLast) override;

private:
    CTallowinApp& app_;
};
