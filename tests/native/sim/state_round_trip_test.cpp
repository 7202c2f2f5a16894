// What a state file reads as, it saves as, and the saved text reads back to
// the same state: no saved file may be one the notebook then refuses.
#include <gtest/gtest.h>

#include "sim/notebook_state.h"
#include "sim/simulated_driver.h"
#include "tests/native/sim/notebook_fixture.h"

namespace tlw::sim {
namespace {

// The text `text` saves as; empty when it is refused.
std::string Saved(const std::string& text, std::string* error = nullptr) {
    StateFile file;
    NotebookState state;
    std::string problem;
    if (!file.Parse(text, problem) || !ReadState(file, state, problem)) {
        if (error) *error = problem;
        return {};
    }
    WriteState(state, file);
    return file.Text();
}

TEST(StateRoundTrip, SavedTextReadsBackAndSavesToItself) {
    for (const std::string text :
         {std::string("manufacturer = bare # not part of it\n"), std::string("manufacturer = \"  \\x23\\x22 \"\n"),
          std::string("\r\r\n# note\r\r\nbrightness = 3\r\r\r\n"), std::string("chaos = 17")}) {
        const std::string once = Saved(text);
        ASSERT_FALSE(once.empty()) << text;
        EXPECT_EQ(once.find('\r'), std::string::npos) << "no stray carriage return is kept";
        EXPECT_EQ(Saved(once), once) << text;
    }
}

TEST(StateRoundTrip, ATextWithANulIsRefusedBareAsItIsQuoted) {
    std::string error;
    EXPECT_TRUE(Saved(std::string("product_name = A\0B\n", 18), &error).empty());
    EXPECT_EQ(error.rfind("line 1: product_name wants", 0), 0u) << error;
    EXPECT_TRUE(Saved("product_name = \"A\\x00B\"\n", &error).empty());
}

TEST_F(SimulatedNotebook, ARefusedFileIsLeftByteForByte) {
    using namespace std::string_literals;
    const std::string text = "boot_sequence = 00 01\r\nmanufacturer = \x9F\0U\r\n"s;
    WriteFile(state(), text);
    std::string error;
    EXPECT_FALSE(Open(nullptr, &error));
    EXPECT_NE(error.find("line 2"), std::string::npos) << error;
    EXPECT_EQ(ReadFile(state()), text);
}

}  // namespace
}  // namespace tlw::sim
