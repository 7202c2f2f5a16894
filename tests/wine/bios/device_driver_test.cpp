// The device driver's end: closing the channel answers what closing the
// device handle answers.
#include <windows.h>

#include <gtest/gtest.h>

#include "bios/bios_channel.h"
#include "bios/device_driver.h"
#include "tests/wine/harness.h"

namespace {

TEST(DeviceDriver, ClosingTheChannelAnswersWhatClosingTheHandleAnswers) {
    wt::TempDir dir;
    HANDLE file = ::CreateFileA(dir.File("device").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(tlw::OpenBiosChannelWith(tlw::DeviceDriverOn(file)));
    EXPECT_TRUE(tlw::CloseBiosChannel());
    // Closed by the channel: the delete-on-close file is gone.
    EXPECT_EQ(::GetFileAttributesA(dir.File("device").c_str()), INVALID_FILE_ATTRIBUTES);
    tlw::RegisterFrame out;
    EXPECT_FALSE(tlw::CallBios(tlw::RegisterFrame{}, out, "AfterClose"));

    // A handle the system does not know: CloseHandle refuses, and so does the channel.
    ASSERT_TRUE(tlw::OpenBiosChannelWith(tlw::DeviceDriverOn(reinterpret_cast<HANDLE>(0x7FF0))));
    EXPECT_FALSE(tlw::CloseBiosChannel());
    EXPECT_EQ(tlw::ChannelDriver(), nullptr) << "closed all the same";
}

}  // namespace
