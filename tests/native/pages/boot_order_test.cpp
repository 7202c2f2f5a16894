// The boot list's drop rule and the sequence kept in step with the listed
// entries, also when the CD-ROM is not listed.
#include "pages/boot/boot_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace tlw {
namespace {

using Codes = std::vector<std::uint8_t>;

BootList ListOf(std::initializer_list<std::uint8_t> codes) {
    BootList list;
    list.fill(kBootListEnd);
    std::copy(codes.begin(), codes.end(), list.begin());
    return list;
}

Codes Listed(const BootOrder& order) {
    Codes codes;
    for (int k = 0; k < order.Count(); ++k) codes.push_back(order.CodeAt(k));
    return codes;
}

// The sequence up to its end.
Codes Sequence(const BootOrder& order) {
    const BootList& s = order.sequence();
    return Codes(s.begin(), std::find(s.begin(), s.end(), kBootListEnd));
}

TEST(BootOrder, DraggingMovesTheEntryBeforeTheOneUnderTheDropPoint) {
    BootOrder order;
    order.Load(ListOf({0, 1, 2, 8}), kBootListEnd);
    EXPECT_EQ(order.Drop(3, 0), 0) << "the last entry to the top";
    EXPECT_EQ(Listed(order), (Codes{8, 0, 1, 2}));
    EXPECT_EQ(Sequence(order), (Codes{8, 0, 1, 2}));

    order.Load(ListOf({0, 1, 2, 8}), kBootListEnd);
    EXPECT_EQ(order.Drop(0, 3), 2) << "Floppy Disk dropped on ZIP Drive lands just above it";
    EXPECT_EQ(Listed(order), (Codes{1, 2, 0, 8}));
    EXPECT_EQ(order.Drop(2, 1), 1);
    EXPECT_EQ(Listed(order), (Codes{1, 0, 2, 8}));
}

TEST(BootOrder, DropsThatMoveNothingLeaveListAndSequenceAlone) {
    BootOrder order;
    order.Load(ListOf({0, 1, 2, 8}), kBootListEnd);
    const struct {
        int dragged, target;
        const char* what;
    } still[] = {{1, 1, "on itself"},         {1, 2, "on the entry just below"}, {3, -1, "below the last entry"},
                 {0, 4, "past the last entry"}, {-1, 0, "nothing dragged"},       {4, 0, "a dragged entry not listed"}};
    for (const auto& drop : still) {
        EXPECT_EQ(order.Drop(drop.dragged, drop.target), -1) << drop.what;
        EXPECT_EQ(Sequence(order), (Codes{0, 1, 2, 8})) << drop.what;
    }
    BootOrder empty;
    empty.Load(ListOf({}), kBootListEnd);
    EXPECT_EQ(empty.Count(), 0);
    EXPECT_EQ(empty.Drop(0, 0), -1);
    EXPECT_EQ(empty.CodeAt(0), kBootListEnd);
}

// Every drag on lists of every length, with and without an unlisted CD-ROM
// at every place: a move puts the dragged code just before the target's, the
// other listed codes keep their order, the unlisted code keeps its place, and
// the sequence holds exactly the codes read.
TEST(BootOrder, EveryDragKeepsTheSequenceAPermutationInStepWithTheList) {
    const Codes devices = {0, 1, 3, 8, 5, 6, 7, 9};
    for (std::size_t length = 1; length <= devices.size(); ++length) {
        for (std::size_t cdAt = 0; cdAt <= length; ++cdAt) {
            Codes read(devices.begin(), devices.begin() + length);
            const bool withCd = cdAt < length;
            if (withCd) read.insert(read.begin() + cdAt, kCdRomDevice);
            BootList list;
            list.fill(kBootListEnd);
            std::copy(read.begin(), read.end(), list.begin());
            const int count = static_cast<int>(length);
            for (int dragged = -1; dragged <= count; ++dragged) {
                for (int target = -1; target <= count; ++target) {
                    BootOrder order;
                    order.Load(list, kCdRomDevice);
                    ASSERT_EQ(order.Count(), count);
                    const Codes before = Listed(order);
                    const int to = order.Drop(dragged, target);
                    const Codes after = Listed(order);
                    const Codes sequence = Sequence(order);
                    SCOPED_TRACE(testing::Message() << "length " << length << " CD-ROM at " << cdAt << " drag "
                                                    << dragged << " onto " << target);

                    Codes sortedRead = read, sortedSequence = sequence;
                    std::sort(sortedRead.begin(), sortedRead.end());
                    std::sort(sortedSequence.begin(), sortedSequence.end());
                    ASSERT_EQ(sortedSequence, sortedRead) << "a code lost, duplicated or invented";
                    if (withCd) {
                        EXPECT_EQ(sequence[cdAt], kCdRomDevice) << "the unlisted CD-ROM moved";
                    }
                    Codes sequenceListed = sequence;
                    sequenceListed.erase(std::remove(sequenceListed.begin(), sequenceListed.end(), kCdRomDevice),
                                         sequenceListed.end());
                    EXPECT_EQ(sequenceListed, after) << "the sequence left the list's order";

                    const bool moves = dragged >= 0 && dragged < count && target >= 0 && target < count &&
                                       target != dragged && target != dragged + 1;
                    if (!moves) {
                        EXPECT_EQ(to, -1);
                        EXPECT_EQ(after, before);
                        continue;
                    }
                    ASSERT_GE(to, 0);
                    EXPECT_EQ(after[to], before[dragged]);
                    if (to + 1 < count) {
                        EXPECT_EQ(after[to + 1], before[target]) << "not just before the target";
                    }
                    Codes othersBefore = before, othersAfter = after;
                    othersBefore.erase(othersBefore.begin() + dragged);
                    othersAfter.erase(othersAfter.begin() + to);
                    EXPECT_EQ(othersAfter, othersBefore);
                }
            }
        }
    }
}

// The keyboard's moves on every entry of lists of every length, with and
// without an unlisted CD-ROM: each acts only where it can, lands where it
// says, moves the codes as the drag onto the same place does, and keeps the
// unlisted code in its place.
TEST(BootOrder, KeyboardMovesActWhereTheyCanAndMoveTheCodesAsADragDoes) {
    const Codes devices = {0, 1, 3, 8, 5};
    const struct {
        BootMove move;
        const char* name;
    } moves[] = {{BootMove::Up, "up"}, {BootMove::Down, "down"}, {BootMove::ToTop, "to top"},
                 {BootMove::ToBottom, "to bottom"}};
    for (std::size_t length = 0; length <= devices.size(); ++length) {
        for (bool withCd : {false, true}) {
            Codes read(devices.begin(), devices.begin() + length);
            if (withCd) read.insert(read.begin() + static_cast<long>(length / 2), kCdRomDevice);
            BootList list;
            list.fill(kBootListEnd);
            std::copy(read.begin(), read.end(), list.begin());
            const int count = static_cast<int>(length);
            for (int entry = -1; entry <= count; ++entry) {
                for (const auto& m : moves) {
                    SCOPED_TRACE(testing::Message() << "length " << length << (withCd ? " with" : " without")
                                                    << " CD-ROM, entry " << entry << " " << m.name);
                    BootOrder order;
                    order.Load(list, kCdRomDevice);
                    const Codes before = Listed(order);
                    const bool exists = entry >= 0 && entry < count;
                    int expected = -1;
                    if (exists && m.move == BootMove::Up && entry > 0) expected = entry - 1;
                    if (exists && m.move == BootMove::Down && entry < count - 1) expected = entry + 1;
                    if (exists && m.move == BootMove::ToTop && entry > 0) expected = 0;
                    if (exists && m.move == BootMove::ToBottom && entry < count - 1) expected = count - 1;
                    EXPECT_EQ(order.PlaceFor(entry, m.move), expected);

                    const int to = order.Move(entry, m.move);
                    ASSERT_EQ(to, expected);
                    if (to < 0) {
                        EXPECT_EQ(Listed(order), before) << "a move that cannot act changes nothing";
                        continue;
                    }
                    Codes model = before;
                    const std::uint8_t moved = model[static_cast<std::size_t>(entry)];
                    model.erase(model.begin() + entry);
                    model.insert(model.begin() + to, moved);
                    EXPECT_EQ(Listed(order), model);
                    if (withCd) {
                        EXPECT_EQ(Sequence(order)[length / 2], kCdRomDevice) << "the unlisted CD-ROM moved";
                    }
                    // A drag reaches every place but the bottom: dropped on the
                    // entry that will follow it, it makes the same sequence.
                    const int dragTarget = to < entry ? to : to + 1;
                    if (dragTarget < count) {
                        BootOrder dragged;
                        dragged.Load(list, kCdRomDevice);
                        ASSERT_EQ(dragged.Drop(entry, dragTarget), to);
                        EXPECT_EQ(dragged.sequence(), order.sequence());
                    }
                }
            }
        }
    }
}

TEST(BootOrder, AnUnlistedCdRomKeepsItsPlaceWhenTheLastEntryGoesToTheTop) {
    BootOrder order;
    order.Load(ListOf({0, 1, 2, 8}), kCdRomDevice);
    EXPECT_EQ(Listed(order), (Codes{0, 1, 8}));
    EXPECT_EQ(order.Drop(2, 0), 0);
    EXPECT_EQ(Listed(order), (Codes{8, 0, 1}));
    EXPECT_EQ(Sequence(order), (Codes{8, 0, 2, 1}));
    EXPECT_EQ(order.Drop(0, 2), 1) << "ZIP dropped on Hard Disk";
    EXPECT_EQ(Sequence(order), (Codes{0, 8, 2, 1}));
}

TEST(BootOrder, BadListsAreListedWholeAndStillMove) {
    BootList full;
    for (std::size_t i = 0; i < full.size(); ++i) full[i] = static_cast<std::uint8_t>(i < 9 ? i : 230 + i);
    BootOrder order;
    order.Load(full, kBootListEnd);
    EXPECT_EQ(order.Count(), 16) << "no 0xFF: sixteen entries";
    EXPECT_EQ(order.Drop(15, 0), 0);
    EXPECT_EQ(order.CodeAt(0), 245);
    EXPECT_EQ(order.sequence()[1], 0);
    EXPECT_EQ(order.sequence()[15], 244);

    // What follows the first 0xFF is not part of the list, nor written back.
    order.Load(ListOf({4, 9, 0xFF, 1}), kBootListEnd);
    EXPECT_EQ(Listed(order), (Codes{4, 9}));
    EXPECT_EQ(order.Drop(1, 0), 0) << "empty entries drag like any other";
    EXPECT_EQ(order.sequence(), ListOf({9, 4}));
    for (unsigned code : {4u, 9u, 200u, 254u}) {
        EXPECT_EQ(BootDeviceTextId(static_cast<std::uint8_t>(code)), 0u) << code << " has no text";
    }
}

}  // namespace
}  // namespace tlw
