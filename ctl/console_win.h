// The Windows console behind tlwctl's commands: standard output and error,
// a password line read without echo (or piped in), the keyboard layout's
// keys, files, and the string table.
#pragma once

#include "ctl/commands.h"

namespace tlw::ctl {

class WinConsole : public Console {
public:
    void Out(const std::string& text) override;
    void Err(const std::string& text) override;
    bool ReadSecretLine(std::string& line) override;
    bool KeyOf(char character, std::uint8_t& scanCode, unsigned& virtualKey) override;
    bool ReadFile(const std::string& path, std::string& text, std::string& reason) override;
    bool WriteFile(const std::string& path, const std::string& text, std::string& reason) override;
};

// The program's texts from its string table.
class ResourceTexts : public TextSource {
public:
    std::string Text(unsigned id) const override;
};

}  // namespace tlw::ctl
