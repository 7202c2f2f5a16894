// The identity walk's cost on real machines' tables: each table file is cut to
// what one DMI proxy read hands over (its first 2048 bytes) and walked over
// and over; prints the nanoseconds one walk takes, the median of several
// timed batches. With --walks N it walks each table exactly N times and prints
// nothing, for an instruction count under callgrind.
// Usage: dmi_walk_benchmark [--walks N] <table file>...
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "dmi/dmi_proxy.h"
#include "dmi/identity_walk.h"

namespace {

using Clock = std::chrono::steady_clock;

// Where the walks' results go, so that none can be left out.
volatile std::size_t g_sink = 0;

// What the proxy would hand over: the file's first bytes, as many as a read holds.
bool ReadTable(const char* path, tlw::DmiTable& table, std::size_t& count) {
    FILE* file = std::fopen(path, "rb");
    if (!file) return false;
    count = std::fread(table.data(), 1, table.size(), file);
    std::fclose(file);
    return true;
}

// Walks `walks` times into one identity, as the page keeps one between reads.
void Walk(const tlw::DmiTable& table, std::size_t count, long walks) {
    tlw::dmi::Identity identity;
    for (long i = 0; i < walks; ++i) g_sink = g_sink + tlw::dmi::WalkIdentity(table.data(), count, identity).end;
}

// Nanoseconds per walk: batches grown until one lasts 20 ms, then the median of seven.
double NanosecondsPerWalk(const tlw::DmiTable& table, std::size_t count) {
    long walks = 1000;
    for (;;) {
        const Clock::time_point start = Clock::now();
        Walk(table, count, walks);
        if (Clock::now() - start >= std::chrono::milliseconds(20)) break;
        walks *= 2;
    }
    std::vector<double> batches;
    for (int i = 0; i < 7; ++i) {
        const Clock::time_point start = Clock::now();
        Walk(table, count, walks);
        const std::chrono::duration<double, std::nano> took = Clock::now() - start;
        batches.push_back(took.count() / static_cast<double>(walks));
    }
    std::sort(batches.begin(), batches.end());
    return batches[batches.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    long exactWalks = -1;
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "--walks") == 0) {
        exactWalks = std::atol(argv[2]);
        first = 3;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: %s [--walks N] <table file>...\n", argv[0]);
        return 2;
    }
    for (int i = first; i < argc; ++i) {
        tlw::DmiTable table{};
        std::size_t count = 0;
        if (!ReadTable(argv[i], table, count)) {
            std::fprintf(stderr, "%s cannot be read\n", argv[i]);
            return 1;
        }
        if (exactWalks >= 0) {
            Walk(table, count, exactWalks);
            continue;
        }
        const char* slash = std::strrchr(argv[i], '/');
        std::printf("%-20s %5zu bytes  %8.1f ns per walk\n", slash ? slash + 1 : argv[i], count,
                    NanosecondsPerWalk(table, count));
    }
    return 0;
}
