// An open registry key, closed by its destructor.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace win {

class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey() { Close(); }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    bool OpenForReading(HKEY parent, const char* subkey);
    void Close();

    // Reads value `name` into `buffer`; false when it is missing, larger than
    // `capacity`, or of another type than `type`. `size` gets the byte count.
    bool ReadValue(const char* name, DWORD type, std::uint8_t* buffer, DWORD capacity, DWORD& size) const;

private:
    HKEY key_ = nullptr;
};

}  // namespace win
