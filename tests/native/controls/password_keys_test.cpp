// The password box's key filter and the records it fills, apart from any
// window: the scan codes and virtual keys are those of a PC keyboard's US layout.
#include "controls/password_keys.h"

#include <gtest/gtest.h>

#include <vector>

#include "pages/password/password_choice.h"

namespace tlw {
namespace {

// A key as the character message brings it: character, scan code, and the
// virtual key the layout gives that scan code.
struct Key {
    unsigned character;
    std::uint8_t scan;
    unsigned virtualKey;
};

constexpr Key kA{'A', 0x1E, 'A'}, ka{'a', 0x1E, 'A'}, kb{'b', 0x30, 'B'}, kB{'B', 0x30, 'B'}, kc{'c', 0x2E, 'C'},
    kC{'C', 0x2E, 'C'}, k1{'1', 0x02, '1'}, k0{'0', 0x0B, '0'}, kZ{'Z', 0x2C, 'Z'}, kMinus{'-', 0x0C, 0xBD},
    kPad1{'1', 0x4F, 0x61}, kSpace{' ', 0x39, 0x20}, kBack{8, 0x0E, 0x08};

std::vector<std::uint8_t> Codes(const PasswordKeys& keys) {
    return {keys.record().codes, keys.record().codes + keys.count()};
}

KeyVerdict Type(PasswordKeys& keys, const Key& key) { return keys.Type(key.character, key.scan, key.virtualKey); }

PasswordRecord Typed(std::initializer_list<Key> typed) {
    PasswordKeys keys;
    keys.SetRecord(PasswordRecord::State(true));
    for (const Key& key : typed) Type(keys, key);
    return keys.record();
}

TEST(PasswordKeys, LettersAndTheMainDigitRowAreStoredAsScanCodesWithoutCase) {
    PasswordKeys keys;
    EXPECT_EQ(Type(keys, kA), KeyVerdict::Stored);
    EXPECT_EQ(Type(keys, kb), KeyVerdict::Stored);
    EXPECT_EQ(Type(keys, k1), KeyVerdict::Stored);
    EXPECT_EQ(Type(keys, k0), KeyVerdict::Stored);
    EXPECT_EQ(Type(keys, kZ), KeyVerdict::Stored);
    EXPECT_EQ(Codes(keys), (std::vector<std::uint8_t>{0x1E, 0x30, 0x02, 0x0B, 0x2C}));
    EXPECT_EQ(keys.record().typed, 1u);
    EXPECT_TRUE(SamePassword(Typed({kA, kB, kC}), Typed({ka, kb, kc}))) << "Shift changes the character, not the key";
}

TEST(PasswordKeys, OtherKeysAreRefusedButCountAsTyping) {
    for (const Key& key : {kMinus, kPad1, kSpace, Key{'!', 0x02, 0}}) {
        SCOPED_TRACE(key.scan);
        PasswordKeys keys;
        keys.SetRecord(PasswordRecord::State(true));
        EXPECT_EQ(Type(keys, key), KeyVerdict::Refused);
        EXPECT_EQ(keys.count(), 0u);
        EXPECT_EQ(keys.record().typed, 1u);
    }
    EXPECT_FALSE(IsPasswordKey('@'));
    EXPECT_FALSE(IsPasswordKey('['));
    EXPECT_FALSE(IsPasswordKey('/'));
    EXPECT_FALSE(IsPasswordKey(':'));
}

TEST(PasswordKeys, AtMostEightKeysMakeAPassword) {
    PasswordKeys keys;
    for (int i = 0; i < 8; ++i) ASSERT_EQ(Type(keys, kA), KeyVerdict::Stored);
    EXPECT_EQ(Type(keys, kb), KeyVerdict::Refused);
    EXPECT_EQ(keys.count(), 8u);
    EXPECT_EQ(keys.record().codes[8], 0) << "the spare byte stays clear";
    EXPECT_EQ(Type(keys, kBack), KeyVerdict::Erased) << "Backspace still works on a full box";
    EXPECT_EQ(Type(keys, kb), KeyVerdict::Stored);
    EXPECT_EQ(keys.record().codes[7], 0x30);
}

TEST(PasswordKeys, BackspaceTakesBackTheLastCodeAndBeepsOnAnEmptyBox) {
    PasswordKeys keys;
    Type(keys, kA);
    Type(keys, kb);
    Type(keys, k1);
    EXPECT_EQ(Type(keys, kBack), KeyVerdict::Erased);
    EXPECT_EQ(Codes(keys), (std::vector<std::uint8_t>{0x1E, 0x30}));
    EXPECT_EQ(keys.record().codes[2], 0) << "the erased code does not linger";
    EXPECT_EQ(Type(keys, kBack), KeyVerdict::Erased);
    EXPECT_EQ(Type(keys, kBack), KeyVerdict::Erased);
    EXPECT_EQ(Type(keys, kBack), KeyVerdict::Refused);

    PasswordKeys fresh;
    EXPECT_EQ(Type(fresh, kBack), KeyVerdict::Refused);
    EXPECT_EQ(fresh.record().typed, 1u) << "a refused key is still typing";
}

TEST(PasswordKeys, RestartBeginsAgainAndEmptyKeepsOnlyTheEnabledFlag) {
    PasswordKeys keys;
    keys.SetRecord(PasswordRecord::State(true));
    Type(keys, kA);
    Type(keys, kb);
    keys.Restart();
    EXPECT_EQ(keys.count(), 0u);
    EXPECT_EQ(keys.record().codes[0], 0);
    EXPECT_EQ(keys.record().typed, 1u);
    Type(keys, k1);
    EXPECT_EQ(Codes(keys), std::vector<std::uint8_t>{0x02});

    keys.Empty();
    EXPECT_EQ(keys.record().enabled, 1u);
    EXPECT_EQ(keys.record().typed, 0u);
    EXPECT_EQ(keys.count(), 0u);
    EXPECT_EQ(keys.record().codes[0], 0);
}

TEST(PasswordKeys, ARecordSetFromOutsideIsNotTypedAndNeverLongerThanEight) {
    PasswordRecord given = Typed({kA, kb});
    given.typed = 1;
    given.length = 200;
    PasswordKeys keys;
    keys.SetRecord(given);
    EXPECT_EQ(keys.record().typed, 0u);
    EXPECT_EQ(keys.count(), 8u);
    EXPECT_EQ(Type(keys, kA), KeyVerdict::Refused);
}

TEST(PasswordKeys, SwallowedKeysAreTheOnesThatWouldMoveTheCaret) {
    for (unsigned vk : {0x10u, 0x11u, 0x13u, 0x14u, 0x21u, 0x24u, 0x25u, 0x28u, 0x2Cu, 0x2Du, 0x90u, 0x91u}) {
        EXPECT_TRUE(IsSwallowedKey(vk)) << vk;
    }
    for (unsigned vk : {0x08u, 0x09u, 0x0Du, 0x12u, 0x20u, 0x29u, 0x2Eu, 0x41u, 0x31u, 0x92u}) {
        EXPECT_FALSE(IsSwallowedKey(vk)) << vk;
    }
}

// What the change password dialog's OK makes of its two boxes.
TEST(ChoosePassword, MatchingBoxesSetThePasswordWhateverTheCase) {
    PasswordRecord chosen;
    EXPECT_EQ(ChoosePassword(Typed({kA, kb, k1}), Typed({ka, kB, k1}), false, chosen), PasswordChoice::Set);
    EXPECT_EQ(chosen.enabled, 1u);
    EXPECT_EQ(chosen.length, 3u);
    EXPECT_EQ(std::vector<std::uint8_t>(chosen.codes, chosen.codes + 4),
              (std::vector<std::uint8_t>{0x1E, 0x30, 0x02, 0}));
}

TEST(ChoosePassword, DifferentLengthsOrCodesDoNotMatch) {
    PasswordRecord chosen = PasswordRecord::State(true);
    chosen.length = 1;
    chosen.codes[0] = 0x55;
    EXPECT_EQ(ChoosePassword(Typed({kA, kb, k1}), Typed({kA, kb}), false, chosen), PasswordChoice::Mismatch);
    EXPECT_EQ(ChoosePassword(Typed({kA, kb}), Typed({kA, kb, k1}), false, chosen), PasswordChoice::Mismatch);
    EXPECT_EQ(ChoosePassword(Typed({kA, kb}), Typed({kA, kc}), false, chosen), PasswordChoice::Mismatch);
    EXPECT_EQ(chosen.codes[0], 0x55) << "a mismatch chooses nothing";

    // Bytes after the length are no part of a password.
    PasswordRecord longer = Typed({kA, kb, k1});
    longer.length = 2;
    EXPECT_EQ(ChoosePassword(longer, Typed({kA, kb}), false, chosen), PasswordChoice::Set);
}

TEST(ChoosePassword, UntouchedIsCancelAndEmptyOrUncheckedRemoves) {
    PasswordRecord chosen;
    PasswordRecord untouched = PasswordRecord::State(true);
    EXPECT_EQ(ChoosePassword(untouched, untouched, false, chosen), PasswordChoice::Unchanged);

    // The check box clicked on, nothing typed: an empty password removes it.
    EXPECT_EQ(ChoosePassword(untouched, untouched, true, chosen), PasswordChoice::Remove);
    EXPECT_EQ(chosen.enabled, 0u);

    // Typed, then erased again: empty as well.
    PasswordRecord erased = Typed({kA, kBack});
    EXPECT_EQ(ChoosePassword(erased, PasswordRecord::State(true), false, chosen), PasswordChoice::Remove);

    // The check box clicked off: removed whatever the confirm box holds.
    PasswordRecord off = PasswordRecord::State(false);
    EXPECT_EQ(ChoosePassword(off, Typed({kA}), true, chosen), PasswordChoice::Remove);
    EXPECT_EQ(chosen.enabled, 0u);
}

}  // namespace
}  // namespace tlw
