// The simulated notebook and the BIOS calls are linked into tlw.exe: the C++
// stream library brings its locale machinery, which once made up most of the
// program's code. They read and write files through sim/file_system.h.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;

TEST(ProgramSources, IncludeNoStreams) {
    const char* streams[] = {"<fstream>", "<sstream>", "<istream>", "<ostream>", "<iostream>", "<iomanip>", "<strstream>"};
    int files = 0;
    for (const char* folder : {"sim", "bios", "dmi", "ctl"}) {
        for (const auto& entry : fs::recursive_directory_iterator(fs::path(TALLOWIN_SOURCE_DIR) / folder)) {
            if (!entry.is_regular_file()) continue;
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            ++files;
            for (const char* header : streams) {
                EXPECT_EQ(text.find(std::string("#include ") + header), std::string::npos)
                    << entry.path() << " includes " << header;
            }
        }
    }
    EXPECT_GT(files, 10);
}

}  // namespace
