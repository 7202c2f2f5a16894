// Reading registry values of one expected type.
#include "win/registry_key.h"

namespace win {

bool RegistryKey::OpenForReading(HKEY parent, const char* subkey) {
    Close();
    return ::RegOpenKeyExA(parent, subkey, 0, KEY_READ, &key_) == ERROR_SUCCESS || (key_ = nullptr, false);
}

void RegistryKey::Close() {
    if (key_) ::RegCloseKey(key_);
    key_ = nullptr;
}

bool RegistryKey::ReadValue(const char* name, DWORD type, std::uint8_t* buffer, DWORD capacity,
                            DWORD& size) const {
    if (!key_) return false;
    DWORD actualType = 0;
    size = capacity;
    return ::RegQueryValueExA(key_, name, nullptr, &actualType, buffer, &size) == ERROR_SUCCESS &&
           actualType == type;
}

}  // namespace win
