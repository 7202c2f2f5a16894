// Measures, for each of two programs, the time from process start until its
// first top-level window exists and its thread has gone idle (its first page
// has painted), alternating the two over several runs; and each one's peak
// working set at that moment, and the DLLs it has loaded by then. Prints the
// medians and their ratios, the DLLs only the program loads, and, when the
// program writes a start-up trace, the median of each of its phases.
// Usage: startup_benchmark <runs> <program> <yardstick program> [<trace file>]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

struct Search {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK FindVisibleWindow(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (pid != search->pid || !::IsWindowVisible(hwnd)) return TRUE;
    search->found = hwnd;
    return FALSE;
}

struct Run {
    double milliseconds = -1;  // negative when no window painted within 30 seconds
    double peakWorkingSetKb = 0;
    std::set<std::string> dlls;  // lower-case file names
};

std::string FileName(const char* path) {
    std::string name = path;
    const std::size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    for (char& c : name) c = static_cast<char>(::tolower(static_cast<unsigned char>(c)));
    return name;
}

std::set<std::string> LoadedDlls(HANDLE process) {
    std::set<std::string> names;
    HMODULE modules[512];
    DWORD needed = 0;
    if (!::EnumProcessModules(process, modules, sizeof modules, &needed)) return names;
    const DWORD count = std::min<DWORD>(needed / sizeof(HMODULE), 512);
    for (DWORD i = 0; i < count; ++i) {
        char path[MAX_PATH] = "";
        if (::GetModuleFileNameExA(process, modules[i], path, MAX_PATH)) names.insert(FileName(path));
    }
    return names;
}

// Starts `program` and waits for its first window to exist and its thread to
// go idle; measures it there, then closes it.
Run TimeToFirstPaint(const std::string& program) {
    Run run;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string commandLine = "\"" + program + "\"";
    LARGE_INTEGER frequency, start, now;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    if (!::CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process)) {
        return run;
    }
    Search search = {process.dwProcessId, nullptr};
    for (int tries = 0; tries < 30000 && !search.found; ++tries) {
        ::EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        if (!search.found) ::Sleep(1);
    }
    if (search.found && ::WaitForInputIdle(process.hProcess, 30000) == 0) {
        ::QueryPerformanceCounter(&now);
        // A request a debugging Wine server logs: where the program's first
        // idle was seen, for scripts/server-requests.
        ::GlobalFindAtomA("startup_benchmark: first idle");
        run.milliseconds =
            1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
        PROCESS_MEMORY_COUNTERS memory = {};
        memory.cb = sizeof memory;
        if (::GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory)) {
            run.peakWorkingSetKb = static_cast<double>(memory.PeakWorkingSetSize) / 1024.0;
        }
        run.dlls = LoadedDlls(process.hProcess);
    }
    if (search.found) ::PostMessageA(search.found, WM_COMMAND, IDCANCEL, 0);
    if (::WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) ::TerminateProcess(process.hProcess, 1);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return run;
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The phases of every run's trace, by their indented name, in the order of
// their first appearance.
struct Phases {
    struct Phase {
        std::string name;
        std::vector<double> starts, lengths, times;
    };
    std::vector<Phase> phases;
    std::vector<std::string> lastDlls;
    int traces = 0;

    // Reads one trace the program wrote; false when there is none.
    bool Read(const std::string& path) {
        FILE* file = std::fopen(path.c_str(), "r");
        if (!file) return false;
        char line[1024];
        std::vector<std::string> dlls;
        while (std::fgets(line, sizeof line, file)) {
            line[std::strcspn(line, "\r\n")] = 0;
            if (line[0] == '#') continue;
            if (std::strncmp(line, "dll ", 4) == 0) {
                dlls.push_back(FileName(line + 4));
                continue;
            }
            double start = 0, length = 0, times = 0;
            int consumed = 0;
            // Three figures, then two blanks and the name with its indentation.
            if (std::sscanf(line, "%lf %lf %lf%n", &start, &length, &times, &consumed) != 3) continue;
            const char* name = line + consumed;
            if (std::strncmp(name, "  ", 2) == 0) name += 2;
            Add(name, start, length, times);
        }
        std::fclose(file);
        std::remove(path.c_str());
        lastDlls = dlls;
        ++traces;
        return true;
    }

    void Add(const std::string& name, double start, double length, double times) {
        auto found = std::find_if(phases.begin(), phases.end(), [&](const Phase& p) { return p.name == name; });
        if (found == phases.end()) found = phases.insert(phases.end(), Phase{name, {}, {}, {}});
        found->starts.push_back(start);
        found->lengths.push_back(length);
        found->times.push_back(times);
    }

    void Print(const char* program) const {
        if (traces == 0) return;
        std::printf("\n%s's start-up trace, medians of %d runs (ms from process creation):\n", program, traces);
        std::printf("    start   length  times  phase\n");
        for (const Phase& p : phases) {
            std::printf("%9.2f %8.2f %6.0f  %s", Median(p.starts), Median(p.lengths), Median(p.times), p.name.c_str());
            if (static_cast<int>(p.lengths.size()) != traces) {
                std::printf("  (in %d of %d runs)", static_cast<int>(p.lengths.size()), traces);
            }
            std::printf("\n");
        }
        std::printf("DLLs loaded by the first idle (%d):", static_cast<int>(lastDlls.size()));
        for (const std::string& dll : lastDlls) std::printf(" %s", dll.c_str());
        std::printf("\n");
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: %s <runs> <program> <yardstick program> [<trace file>]\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const std::string trace = argc == 5 ? argv[4] : "";
    // The program writes its trace where the variable says; the yardstick ignores it.
    if (!trace.empty()) ::SetEnvironmentVariableA("TALLOWIN_TRACE", trace.c_str());
    std::vector<double> program, yardstick, programMemory, yardstickMemory;
    std::set<std::string> programDlls, yardstickDlls;
    Phases phases;
    TimeToFirstPaint(argv[2]);  // warm the file cache and the Wine server once for each
    TimeToFirstPaint(argv[3]);
    if (!trace.empty()) std::remove(trace.c_str());
    for (int i = 0; i < runs; ++i) {
        const Run a = TimeToFirstPaint(argv[2]);
        if (!trace.empty()) phases.Read(trace);
        const Run b = TimeToFirstPaint(argv[3]);
        if (a.milliseconds < 0 || b.milliseconds < 0) {
            std::fprintf(stderr, "run %d: a program showed no window\n", i + 1);
            return 1;
        }
        program.push_back(a.milliseconds);
        yardstick.push_back(b.milliseconds);
        programMemory.push_back(a.peakWorkingSetKb);
        yardstickMemory.push_back(b.peakWorkingSetKb);
        programDlls = a.dlls;
        yardstickDlls = b.dlls;
        std::printf("run %2d: %8.1f ms  %8.1f ms   peak working set %7.0f KB  %7.0f KB\n", i + 1, a.milliseconds,
                    b.milliseconds, a.peakWorkingSetKb, b.peakWorkingSetKb);
    }
    const double a = Median(program), b = Median(yardstick);
    std::printf("median: %8.1f ms (%s)  %8.1f ms (%s)\nratio: %.2f\n", a, argv[2], b, argv[3], a / b);
    const double am = Median(programMemory), bm = Median(yardstickMemory);
    std::printf("peak working set, median: %.0f KB (%s)  %.0f KB (%s)\nworking set ratio: %.2f\n", am, argv[2], bm,
                argv[3], bm > 0 ? am / bm : 0.0);
    std::printf("DLLs %s has loaded at its first idle that %s has not:", argv[2], argv[3]);
    for (const std::string& dll : programDlls) {
        if (!yardstickDlls.count(dll)) std::printf(" %s", dll.c_str());
    }
    std::printf("\n");
    phases.Print(argv[2]);
    return 0;
}
