#include "bios/register_frame.h"

#include <gtest/gtest.h>

namespace tlw {
namespace {

TEST(RegisterFrame, WireFormIsElevenLittleEndianWords) {
    RegisterFrame f;
    f.status = 0x11223344;
    f.eax = 0x9610;
    f.ebx = 0x0127;
    f.esi = 0xA1B2C3D4;
    f.spare[2] = 0x01020304;
    f.control = 0xCAFE0000;
    const FrameBytes b = ToBytes(f);
    EXPECT_EQ(b[0], 0x44);
    EXPECT_EQ(b[3], 0x11);
    EXPECT_EQ(b[4], 0x10);
    EXPECT_EQ(b[5], 0x96);
    EXPECT_EQ(b[8], 0x27);
    EXPECT_EQ(b[9], 0x01);
    EXPECT_EQ(b[20], 0xD4);
    EXPECT_EQ(b[23], 0xA1);
    EXPECT_EQ(b[36], 0x04);
    EXPECT_EQ(b[42], 0xFE);
    EXPECT_EQ(b[43], 0xCA);

    const RegisterFrame back = FromBytes(b);
    EXPECT_EQ(ToBytes(back), b);
    EXPECT_EQ(back.esi, 0xA1B2C3D4u);
}

TEST(RegisterFrame, ByteAndWordViewsOfTheRegisters) {
    RegisterFrame f;
    f.eax = 0xDEAD0361;
    f.ebx = 0x12340108;
    f.ecx = 0x00000F00;
    f.edx = 0x00001402;
    EXPECT_EQ(f.al(), 0x61);
    EXPECT_EQ(f.ah(), 0x03);
    EXPECT_EQ(f.ax(), 0x0361);
    EXPECT_EQ(f.bx(), 0x0108);
    EXPECT_EQ(f.bh(), 0x01);
    EXPECT_EQ(f.ch(), 0x0F);
    EXPECT_EQ(f.cl(), 0x00);
    EXPECT_EQ(f.dh(), 0x14);
    EXPECT_EQ(f.dl(), 0x02);
}

TEST(RegisterFrame, ClearingControlBytesKeepsTheDriversTwo) {
    RegisterFrame f;
    f.control = 0xAABBCCDD;
    f.ClearControlBytes();
    const FrameBytes b = ToBytes(f);
    EXPECT_EQ(b[40], 0);
    EXPECT_EQ(b[41], 0);
    EXPECT_EQ(b[42], 0xBB);
    EXPECT_EQ(b[43], 0xAA);
}

}  // namespace
}  // namespace tlw
