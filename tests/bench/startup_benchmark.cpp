// Measures, for each of two programs, the time from process start until its
// first top-level window exists and its thread has gone idle (its first page
// has painted), alternating the two over several runs. Prints the medians and
// their ratio. Usage: startup_benchmark <runs> <program> <yardstick program>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
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

// Milliseconds until `program` shows its first window and has painted it;
// negative when it did not within 30 seconds.
double TimeToFirstPaint(const std::string& program) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string commandLine = "\"" + program + "\"";
    LARGE_INTEGER frequency, start, now;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    if (!::CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process)) {
        return -1;
    }
    Search search = {process.dwProcessId, nullptr};
    double elapsed = -1;
    for (int tries = 0; tries < 30000 && !search.found; ++tries) {
        ::EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        if (!search.found) ::Sleep(1);
    }
    if (search.found && ::WaitForInputIdle(process.hProcess, 30000) == 0) {
        ::QueryPerformanceCounter(&now);
        elapsed = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    }
    if (search.found) ::PostMessageA(search.found, WM_COMMAND, IDCANCEL, 0);
    if (::WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) ::TerminateProcess(process.hProcess, 1);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return elapsed;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <runs> <program> <yardstick program>\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    std::vector<double> program, yardstick;
    TimeToFirstPaint(argv[2]);  // warm the file cache and the Wine server once for each
    TimeToFirstPaint(argv[3]);
    for (int i = 0; i < runs; ++i) {
        const double a = TimeToFirstPaint(argv[2]);
        const double b = TimeToFirstPaint(argv[3]);
        if (a < 0 || b < 0) {
            std::fprintf(stderr, "run %d: a program showed no window\n", i + 1);
            return 1;
        }
        program.push_back(a);
        yardstick.push_back(b);
        std::printf("run %2d: %8.1f ms  %8.1f ms\n", i + 1, a, b);
    }
    const double a = Median(program), b = Median(yardstick);
    std::printf("median: %8.1f ms (%s)  %8.1f ms (%s)\nratio: %.2f\n", a, argv[2], b, argv[3], a / b);
    return 0;
}
