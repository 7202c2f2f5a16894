// tlwctl: the BIOS settings at the console. Reads, changes, exports and
// imports what the settings sheet shows, through the same BIOS channel.
#include <windows.h>

#include <string>
#include <vector>

#include "bios/bios_channel.h"
#include "ctl/commands.h"
#include "ctl/console_win.h"
#include "ctl/driver_choice_win.h"

int main(int argc, char** argv) {
    tlw::ctl::WinConsole console;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    tlw::ctl::Invocation invocation;
    std::string error;
    // Bad usage is told before the driver is opened: nothing is asked of the BIOS.
    if (!tlw::ctl::ParseCommandLine(arguments, invocation, error)) {
        console.Err("tlwctl: " + error + ".\n" + tlw::ctl::UsageText());
        return tlw::ctl::kBadInput;
    }
    if (invocation.verb == tlw::ctl::Verb::Help) {
        console.Out(tlw::ctl::UsageText());
        return tlw::ctl::kDone;
    }
    if (!tlw::ctl::OpenSelectedChannel(error)) {
        console.Err("tlwctl: " + error + "\n");
        return tlw::ctl::kNoDriver;
    }
    // The sheet's flag: Windows 2000 and later report a major version above 4.
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    const bool windows2000 = ::GetVersionExA(&version) && version.dwMajorVersion > 4;
    const int result = tlw::ctl::Run(invocation, console, tlw::ctl::ResourceTexts(), windows2000);
    tlw::CloseBiosChannel();
    return result;
}
