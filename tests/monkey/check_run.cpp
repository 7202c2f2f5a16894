// Judges one monkey run again from its logs: monkey_check <requests.log> <actions.log>.
// Prints each broken invariant; the status is 1 when one broke.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tests/monkey/invariants.h"

namespace {

std::vector<std::string> LinesOf(const char* path) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <requests.log> <actions.log>\n", argv[0]);
        return 2;
    }
    const tlw::monkey::Verdict verdict = tlw::monkey::CheckRun(LinesOf(argv[1]), LinesOf(argv[2]));
    for (const std::string& broken : verdict.broken) std::printf("%s\n", broken.c_str());
    std::printf("%zu actions, %zu writes checked, %zu broken\n", verdict.actions, verdict.writes,
                verdict.broken.size());
    return verdict.Holds() ? 0 : 1;
}
