// The installer package under Wine's msiexec, as an administrator uses it:
// silent installs into the default and another folder, a second install, an
// upgrade, a refused downgrade and the removal, each checked in the file
// system, the Start menu and the 32-bit registry view that Windows Installer
// writes a 32-bit package's entry to.
#include <windows.h>

#include <msi.h>

#include "tests/wine/harness.h"
#include "tests/wine/package/package_fixture.h"

namespace {

using pkg::PackageTest;
using pkg::TestPackage;

// Windows Installer's success, and its success that asks for a restart.
bool Succeeded(DWORD code) { return code == ERROR_SUCCESS || code == ERROR_SUCCESS_REBOOT_REQUIRED; }

std::string Lower(std::string text) {
    CharLowerBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

// The one entry there must be; a failure when there is not exactly one.
pkg::UninstallEntry TheEntry() {
    const std::vector<pkg::UninstallEntry> entries = pkg::ProgramEntries();
    EXPECT_EQ(entries.size(), 1u) << "entries in Add or Remove Programs";
    return entries.empty() ? pkg::UninstallEntry{} : entries.front();
}

// The shortcut in the Start menu leads to tlw.exe in `folder`.
void ExpectTheShortcutTo(const std::string& folder) {
    const std::vector<std::string> shortcuts = pkg::StartMenuShortcuts();
    ASSERT_EQ(shortcuts.size(), 1u) << "Start menu shortcuts";
    EXPECT_EQ(Lower(pkg::ShortcutTarget(shortcuts.front())), Lower(folder + "\\tlw.exe"));
}

TEST_F(PackageTest, ASilentInstallPutsEverythingInPlaceAndRemovalTakesEverythingAway) {
    const std::string folder = pkg::DefaultInstallFolder(), exe = pkg::BuildFolder() + "\\tlw.exe";
    const std::string pathBefore = pkg::SearchPaths();
    ASSERT_EQ(pkg::Msiexec(Install(TestPackage("current"))), 0u);

    ExpectTheBuildsFilesIn(folder);
    ExpectTheShortcutTo(folder);
    const pkg::UninstallEntry entry = TheEntry();
    EXPECT_EQ(entry.name, pkg::VersionText(exe, "ProductName"));
    EXPECT_EQ(entry.version, pkg::VersionText(exe, "ProductVersion"));
    EXPECT_EQ(entry.publisher, pkg::VersionText(exe, "CompanyName"));
    EXPECT_EQ(Lower(entry.helpLink), Lower(folder + "\\tlw.chm"));
    EXPECT_TRUE(pkg::ProgramEntries(KEY_WOW64_64KEY).empty()) << "a 32-bit package's entry lies in the 32-bit view";
    // The entry's icon is the program's.
    char icon[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    ASSERT_EQ(::MsiGetProductInfoA(entry.productCode.c_str(), "ProductIcon", icon, &size), 0u);
    EXPECT_TRUE(pkg::SameBytes(icon, "Z:" TALLOWIN_SOURCE_DIR "\\res\\icons\\program.ico")) << icon;
    EXPECT_EQ(pkg::SearchPaths(), pathBefore) << "the package changes no PATH";

    // What an administrator set for the command-line mode is not the package's.
    wt::ButtonActionsKey actions(KEY_WOW64_32KEY);
    actions.SetBinary("LidButton", {0x02});
    ASSERT_EQ(pkg::Msiexec("/x \"" + TestPackage("current").path + "\" /qn"), 0u);
    EXPECT_FALSE(pkg::Exists(folder));
    EXPECT_TRUE(pkg::StartMenuShortcuts().empty());
    EXPECT_TRUE(pkg::ProgramEntries().empty());
    EXPECT_EQ(::MsiQueryProductStateA(entry.productCode.c_str()), INSTALLSTATE_UNKNOWN);
    HKEY record = nullptr;
    EXPECT_NE(::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Tallowin\\Package", 0, KEY_READ | KEY_WOW64_32KEY,
                              &record),
              ERROR_SUCCESS)
        << "the install folder's record is gone";
    EXPECT_EQ(actions.Binary("LidButton"), std::vector<BYTE>{0x02});
}

// An upgrade that names no folder stays in the one the administrator chose.
TEST_F(PackageTest, INSTALLDIRPutsItWhereTheAdministratorSaysAndAnUpgradeKeepsIt) {
    const std::string folder = "C:\\Tools\\Tallowin BIOS";
    ASSERT_EQ(pkg::Msiexec(Install(TestPackage("older"), "INSTALLDIR=\"" + folder + "\"")), 0u);
    EXPECT_EQ(pkg::FileNamesIn(folder).size(), 3u);
    ASSERT_TRUE(Succeeded(pkg::Msiexec(Install(TestPackage("current")))));
    ExpectTheBuildsFilesIn(folder);
    ExpectTheShortcutTo(folder);
    EXPECT_FALSE(pkg::Exists(pkg::DefaultInstallFolder()));
    const pkg::UninstallEntry entry = TheEntry();
    EXPECT_EQ(entry.version, TestPackage("current").version);
    EXPECT_EQ(Lower(entry.helpLink), Lower(folder + "\\tlw.chm"));
    EXPECT_EQ(Lower(entry.installLocation), Lower(folder + "\\"));
    ASSERT_EQ(pkg::Msiexec("/x " + entry.productCode + " /qn"), 0u);
    EXPECT_FALSE(pkg::Exists(folder));
    ::RemoveDirectoryA("C:\\Tools");
}

// An older version, and another build of this one (its product code differs):
// the package replaces either in one step.
TEST_F(PackageTest, ThePackageReplacesAnOlderVersionOrAnotherBuildLeavingOneEntry) {
    for (const char* installed : {"older", "rebuilt"}) {
        SCOPED_TRACE(installed);
        ASSERT_EQ(pkg::Msiexec(Install(TestPackage(installed))), 0u);
        const pkg::UninstallEntry before = TheEntry();
        EXPECT_EQ(before.version, TestPackage(installed).version);
        if (std::string(installed) == "older") {
            EXPECT_FALSE(pkg::SameBytes(pkg::DefaultInstallFolder() + "\\tlw.exe", pkg::BuildFolder() + "\\tlw.exe"))
                << "the older package's files are not the build's";
        }
        ASSERT_TRUE(Succeeded(pkg::Msiexec(Install(TestPackage("current")))));
        const pkg::UninstallEntry after = TheEntry();
        EXPECT_EQ(after.version, TestPackage("current").version);
        EXPECT_NE(after.productCode, before.productCode);
        EXPECT_EQ(::MsiQueryProductStateA(before.productCode.c_str()), INSTALLSTATE_UNKNOWN);
        ExpectTheBuildsFilesIn(pkg::DefaultInstallFolder());
        ExpectTheShortcutTo(pkg::DefaultInstallFolder());
        RemoveEveryTallowin();
    }
}

TEST_F(PackageTest, AnOlderPackageIsRefusedWithAMessageAndChangesNothing) {
    ASSERT_EQ(pkg::Msiexec(Install(TestPackage("newer"))), 0u);
    const pkg::UninstallEntry newer = TheEntry();
    const std::string message = "A newer version of Tallowin is already installed";

    EXPECT_FALSE(Succeeded(pkg::Msiexec(Install(TestPackage("current")))));
    // With the basic interface of a double-click, the refusal says why.
    wt::Launch launch;
    launch.program = pkg::MsiexecPath();
    launch.arguments = "/i \"" + TestPackage("current").path + "\" /qb";
    wt::Process msiexec(launch);
    const DWORD start = ::GetTickCount();
    HWND box = nullptr;
    while (!box && msiexec.running() && ::GetTickCount() - start < 60000) {
        for (HWND window : wt::TopLevelWindowsOf(msiexec.id())) {
            if (wt::StaticTextsOf(window).find(message) != std::string::npos) box = window;
        }
        ::Sleep(100);
    }
    ASSERT_NE(box, nullptr) << "no window saying: " << message;
    wt::PressButton(box, IDOK);
    ASSERT_TRUE(msiexec.WaitForExit(60000));
    EXPECT_FALSE(Succeeded(msiexec.exitCode()));

    const pkg::UninstallEntry after = TheEntry();
    EXPECT_EQ(after.productCode, newer.productCode);
    EXPECT_EQ(after.version, TestPackage("newer").version);
    ExpectTheShortcutTo(pkg::DefaultInstallFolder());
}

TEST_F(PackageTest, InstallingTheSamePackageAgainRepairsIt) {
    const std::string folder = pkg::DefaultInstallFolder();
    ASSERT_EQ(pkg::Msiexec(Install(TestPackage("current"))), 0u);
    const pkg::UninstallEntry first = TheEntry();
    ::DeleteFileA((folder + "\\tlwctl.exe").c_str());
    wt::WriteText(folder + "\\tlw.chm", "damaged");
    for (const std::string& shortcut : pkg::StartMenuShortcuts()) ::DeleteFileA(shortcut.c_str());

    ASSERT_EQ(pkg::Msiexec(Install(TestPackage("current"))), 0u);
    EXPECT_EQ(TheEntry().productCode, first.productCode);
    ExpectTheBuildsFilesIn(folder);
    ExpectTheShortcutTo(folder);
}

}  // namespace
