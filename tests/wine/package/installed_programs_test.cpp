// What the package installed runs from the install folder, on the simulated
// notebook: tlwctl.exe shows what the build's tlwctl.exe shows, and tlw.exe /1
// applies the button actions an administrator saved in the registry.
#include "tests/wine/harness.h"
#include "tests/wine/package/package_fixture.h"

namespace {

using pkg::PackageTest;

struct Shown {
    DWORD code = 0;
    std::string out;
};

TEST_F(PackageTest, TheInstalledProgramsRunFromTheInstallFolder) {
    ASSERT_EQ(pkg::Msiexec(Install(pkg::TestPackage("current"))), 0u);
    const std::string folder = pkg::DefaultInstallFolder();
    wt::TempDir dir;
    auto run = [&](const std::string& program, const std::string& arguments) {
        wt::Launch launch;
        launch.program = program;
        launch.arguments = arguments;
        launch.statePath = dir.File("notebook.ini");
        launch.logPath = dir.File("requests.log");
        launch.workingDirectory = folder;
        launch.outputPath = dir.File("out.txt");
        Shown shown;
        {
            wt::Process process(launch);
            EXPECT_TRUE(process.WaitForExit(60000)) << program << " " << arguments << " did not end";
            shown.code = process.exitCode();
        }
        shown.out = wt::ReadText(dir.File("out.txt"));
        return shown;
    };

    const Shown installed = run(folder + "\\tlwctl.exe", "show");
    const Shown built = run(pkg::BuildFolder() + "\\tlwctl.exe", "show");
    EXPECT_EQ(installed.code, 0u) << installed.out;
    EXPECT_NE(installed.out.find("boot_order"), std::string::npos) << installed.out;
    EXPECT_EQ(installed.out, built.out);

    wt::ButtonActionsKey actions;
    actions.SetBinary("LidButton", {0x02});
    actions.SetBinary("PowerButton", {0x03});
    actions.SetBinary("SleepButton", {0x01});
    ::DeleteFileA(dir.File("requests.log").c_str());
    EXPECT_EQ(run(folder + "\\tlw.exe", "/1").code, 0u);
    const std::vector<std::string> applied =
        wt::LinesOf(wt::ReadLines(dir.File("requests.log")), "SetPowerButtonAction");
    ASSERT_EQ(applied.size(), 3u);
    EXPECT_NE(applied[0].find("ECX=00000002"), std::string::npos) << applied[0];
    EXPECT_NE(applied[1].find("ECX=00000103"), std::string::npos) << applied[1];
    EXPECT_NE(applied[2].find("ECX=00000201"), std::string::npos) << applied[2];
}

}  // namespace
