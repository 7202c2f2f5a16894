// tlwctl's commands apart from the console: the command line, the setup
// password gate and show, get, set, export and import over the BIOS channel.
// No windows.h: the console and the string table come in through Console and
// TextSource, so the commands are tested natively on the simulated notebook.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "controls/password_record.h"
#include "pages/info/info_probes.h"

namespace tlw::ctl {

enum ExitCode {
    kDone = 0,
    kBadInput = 1,          // bad usage or input, named in the message; nothing written
    kNoDriver = 2,          // no driver, or the BIOS refused the platform check
    kReadBackDiffers = 3,   // applied, but a setting reads back otherwise
    kRestartNeeded = 4,     // applied; a change takes effect at the next boot
    kPasswordRequired = 5,  // the setup password was required and not given
};

// What the commands need of the console.
class Console {
public:
    virtual ~Console() = default;
    virtual void Out(const std::string& text) = 0;
    virtual void Err(const std::string& text) = 0;
    // One line typed without echo, or piped in, without its line end; false
    // at the end of the input.
    virtual bool ReadSecretLine(std::string& line) = 0;
    // The key that types `character` in the keyboard layout: its scan code
    // and the virtual key the layout gives that scan code. False when no key
    // types it.
    virtual bool KeyOf(char character, std::uint8_t& scanCode, unsigned& virtualKey) = 0;
    // The whole file, or false with `reason`.
    virtual bool ReadFile(const std::string& path, std::string& text, std::string& reason) = 0;
    virtual bool WriteFile(const std::string& path, const std::string& text, std::string& reason) = 0;
};

enum class Verb { Show, Get, Set, Export, Import, Help };

struct Invocation {
    Verb verb = Verb::Help;
    bool json = false;
    bool dryRun = false;
    std::vector<std::string> operands;  // get: the name; set: NAME=VALUE; export, import: the file
};

// The command line after the program's name. False, with `error`, on bad usage.
bool ParseCommandLine(const std::vector<std::string>& arguments, Invocation& invocation, std::string& error);

std::string UsageText();

// The password line as the password box would have taken it, key by key:
// digits and letters only, at most 8, Backspace taking one back.
PasswordRecord RecordOfLine(const std::string& line, Console& console);

// Runs `invocation` on the open BIOS channel: the platform check, the setup
// password gate, then the command. `windows2000` picks the information rows'
// view of the ports as the sheet's flag does.
int Run(const Invocation& invocation, Console& console, const TextSource& texts, bool windows2000);

}  // namespace tlw::ctl
