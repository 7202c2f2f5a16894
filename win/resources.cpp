// String table access and application message boxes.
#include "win/resources.h"

#include <vector>

namespace win {

HINSTANCE ResourceModule() { return ::GetModuleHandleA(nullptr); }

std::string LoadText(UINT id, int capacity) {
    std::vector<char> buffer(static_cast<std::size_t>(capacity), '\0');
    const int length = ::LoadStringA(ResourceModule(), id, buffer.data(), capacity);
    return std::string(buffer.data(), length > 0 ? static_cast<std::size_t>(length) : 0);
}

std::string AppTitle() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name = path;
    const auto slash = name.find_last_of("\\/");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    const auto dot = name.find_last_of('.');
    if (dot != std::string::npos) name.erase(dot);
    return name;
}

int ShowMessage(HWND owner, const std::string& text, UINT type) {
    return ::MessageBoxA(owner, text.c_str(), AppTitle().c_str(), type);
}

}  // namespace win
