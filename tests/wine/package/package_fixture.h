// What the installer package's tests share: the packages built for them,
// msiexec, the install folder, the Start menu shortcut and the entries
// Windows Installer writes into "Add or Remove Programs".
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace pkg {

// A package built for the tests (tests/wine/package/make_test_packages).
struct Package {
    std::string version;
    std::string path;  // Windows path
};

// "current", what ./scripts/package built; "rebuilt", another build of the
// same version; "older" and "newer", versions below and above it, the older
// one made of files whose bytes differ from the build's.
const Package& TestPackage(const std::string& role);

// The folder of the build's tlw.exe, tlwctl.exe and tlw.chm.
std::string BuildFolder();
// C:\Program Files (x86)\Tallowin on 64-bit Windows: where a 32-bit package installs by default.
std::string DefaultInstallFolder();

// Runs msiexec with `arguments` and returns its exit code once it ends.
DWORD Msiexec(const std::string& arguments);
// msiexec, started and left running: for a test that answers its windows.
std::string MsiexecPath();

// An entry of "Add or Remove Programs" named like the program.
struct UninstallEntry {
    std::string productCode;
    std::string name, version, publisher, helpLink, installLocation;
};
// The entries in the uninstall key of the registry `view` (KEY_WOW64_32KEY or
// KEY_WOW64_64KEY) whose name is the program's product name.
std::vector<UninstallEntry> ProgramEntries(REGSAM view = KEY_WOW64_32KEY);

// A text of the version resource of `file` ("ProductVersion", "CompanyName", ...).
std::string VersionText(const std::string& file, const char* name);

std::vector<std::string> FileNamesIn(const std::string& folder);
bool Exists(const std::string& path);
bool SameBytes(const std::string& a, const std::string& b);
// The Start menu shortcuts named like the program, in the menu of all users or of this one.
std::vector<std::string> StartMenuShortcuts();
std::string ShortcutTarget(const std::string& shortcut);
// The system's and this user's PATH.
std::string SearchPaths();

// Each test starts and ends with no Tallowin package installed.
class PackageTest : public ::testing::Test {
protected:
    void SetUp() override { RemoveEveryTallowin(); }
    void TearDown() override { RemoveEveryTallowin(); }

    static std::string Install(const Package& package, const std::string& properties = "") {
        return "/i \"" + package.path + "\" /qn" + (properties.empty() ? "" : " " + properties);
    }
    // The install folder holds exactly the build's three files, byte for byte.
    static void ExpectTheBuildsFilesIn(const std::string& folder);
    static void RemoveEveryTallowin();
};

}  // namespace pkg
