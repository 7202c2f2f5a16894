// The installer tests' helpers: the packages' list, msiexec as a child
// process, and what an installation leaves in the file system, the Start menu
// and the registry, read through the Win32 and shell calls Windows offers.
#include "tests/wine/package/package_fixture.h"

#include <shlobj.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "tests/wine/harness.h"

namespace pkg {
namespace {

std::string WindowsPathOf(std::string unixPath) {
    std::replace(unixPath.begin(), unixPath.end(), '/', '\\');
    return "Z:" + unixPath;
}

std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

std::string ProductName() { return VersionText(BuildFolder() + "\\tlw.exe", "ProductName"); }

std::string ShellFolder(int csidl) {
    char path[MAX_PATH] = {};
    return SUCCEEDED(::SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)) ? path : "";
}

std::string RegistryText(HKEY root, const char* key, const char* name, REGSAM view = 0) {
    HKEY opened = nullptr;
    if (::RegOpenKeyExA(root, key, 0, KEY_READ | view, &opened) != ERROR_SUCCESS) return "";
    char value[4096] = {};
    DWORD size = sizeof value - 1, type = 0;
    const bool read = ::RegQueryValueExA(opened, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) ==
                      ERROR_SUCCESS;
    ::RegCloseKey(opened);
    return read && (type == REG_SZ || type == REG_EXPAND_SZ) ? value : "";
}

}  // namespace

const Package& TestPackage(const std::string& role) {
    static const std::map<std::string, Package> packages = [] {
        std::map<std::string, Package> found;
        char folder[MAX_PATH] = {};
        if (!::GetEnvironmentVariableA("TALLOWIN_TEST_PACKAGES", folder, sizeof folder)) return found;
        std::istringstream lines(wt::ReadText(WindowsPathOf(folder) + "\\packages.txt"));
        for (std::string name, version, file; lines >> name >> version >> file;) {
            found[name] = {version, WindowsPathOf(folder) + "\\" + file};
        }
        return found;
    }();
    static const Package none;
    const auto package = packages.find(role);
    EXPECT_NE(package, packages.end()) << "no " << role << " package: TALLOWIN_TEST_PACKAGES names no folder "
                                       << "with it; the test run's make_test_packages builds them";
    return package == packages.end() ? none : package->second;
}

std::string BuildFolder() { return FolderOf(wt::TlwPath()); }

std::string DefaultInstallFolder() { return ShellFolder(CSIDL_PROGRAM_FILESX86) + "\\" + ProductName(); }

std::string MsiexecPath() {
    char system[MAX_PATH] = {};
    ::GetSystemDirectoryA(system, MAX_PATH);
    return std::string(system) + "\\msiexec.exe";
}

DWORD Msiexec(const std::string& arguments) {
    wt::Launch launch;
    launch.program = MsiexecPath();
    launch.arguments = arguments;
    wt::Process msiexec(launch);
    EXPECT_TRUE(msiexec.WaitForExit(300000)) << "msiexec " << arguments << " did not end";
    return msiexec.exitCode();
}

std::vector<UninstallEntry> ProgramEntries(REGSAM view) {
    const char* uninstall = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
    std::vector<UninstallEntry> entries;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, uninstall, 0, KEY_READ | view, &key) != ERROR_SUCCESS) return entries;
    char name[256];
    for (DWORD i = 0, size = sizeof name; ::RegEnumKeyExA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) ==
                                          ERROR_SUCCESS;
         ++i, size = sizeof name) {
        const std::string entry = std::string(uninstall) + "\\" + name;
        auto text = [&](const char* value) { return RegistryText(HKEY_LOCAL_MACHINE, entry.c_str(), value, view); };
        if (text("DisplayName") != ProductName()) continue;
        entries.push_back({name, text("DisplayName"), text("DisplayVersion"), text("Publisher"), text("HelpLink"),
                           text("InstallLocation")});
    }
    ::RegCloseKey(key);
    return entries;
}

std::string VersionText(const std::string& file, const char* name) {
    DWORD ignored = 0;
    std::vector<char> info(::GetFileVersionInfoSizeA(file.c_str(), &ignored));
    if (info.empty() || !::GetFileVersionInfoA(file.c_str(), 0, static_cast<DWORD>(info.size()), info.data())) {
        return "";
    }
    WORD* translation = nullptr;
    UINT length = 0;
    if (!::VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                          &length) ||
        length < 4) {
        return "";
    }
    char query[128];
    wsprintfA(query, "\\StringFileInfo\\%04x%04x\\%s", translation[0], translation[1], name);
    char* text = nullptr;
    return ::VerQueryValueA(info.data(), query, reinterpret_cast<void**>(&text), &length) && text ? text : "";
}

std::vector<std::string> FileNamesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        if (std::string(data.cFileName) != "." && std::string(data.cFileName) != "..") names.push_back(data.cFileName);
    } while (::FindNextFileA(find, &data));
    ::FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool SameBytes(const std::string& a, const std::string& b) {
    const std::string bytes = wt::ReadText(a);
    return !bytes.empty() && bytes == wt::ReadText(b);
}

std::vector<std::string> StartMenuShortcuts() {
    std::vector<std::string> found;
    for (const int menu : {CSIDL_COMMON_PROGRAMS, CSIDL_PROGRAMS}) {
        const std::string shortcut = ShellFolder(menu) + "\\" + ProductName() + ".lnk";
        if (Exists(shortcut)) found.push_back(shortcut);
    }
    return found;
}

std::string ShortcutTarget(const std::string& shortcut) {
    ::CoInitialize(nullptr);
    std::string target;
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    std::wstring wide(shortcut.begin(), shortcut.end());
    if (SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                     reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(wide.c_str(), STGM_READ))) {
        char path[MAX_PATH] = {};
        if (SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH))) target = path;
    }
    if (file) file->Release();
    if (link) link->Release();
    ::CoUninitialize();
    return target;
}

std::string SearchPaths() {
    return RegistryText(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment",
                        "Path") +
           "|" + RegistryText(HKEY_CURRENT_USER, "Environment", "Path");
}

void PackageTest::ExpectTheBuildsFilesIn(const std::string& folder) {
    const std::vector<std::string> names{"tlw.chm", "tlw.exe", "tlwctl.exe"};
    EXPECT_EQ(FileNamesIn(folder), names) << folder;
    for (const std::string& name : names) {
        EXPECT_TRUE(SameBytes(folder + "\\" + name, BuildFolder() + "\\" + name)) << folder << "\\" << name;
    }
}

void PackageTest::RemoveEveryTallowin() {
    for (const UninstallEntry& entry : ProgramEntries()) {
        EXPECT_EQ(Msiexec("/x " + entry.productCode + " /qn"), 0u) << "removing " << entry.version;
    }
}

}  // namespace pkg
