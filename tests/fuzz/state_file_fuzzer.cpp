// Fuzz target for the simulated notebook's state file (libFuzzer, with
// AddressSanitizer and UndefinedBehaviorSanitizer): any bytes as a state file
// are refused with a reason that names a line, or read as a state that saves
// and reads back to itself; a refused file is left byte for byte as it was,
// and a notebook opened on any file answers a request. Faults abort.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "bios/register_frame.h"
#include "sim/file_system.h"
#include "sim/notebook_state.h"
#include "sim/simulated_driver.h"

namespace {

void Check(bool holds) {
    if (!holds) std::abort();
}

const std::string& Folder() {
    static const std::string folder = [] {
        char name[] = "/tmp/tallowin-state-fuzz.XXXXXX";
        Check(::mkdtemp(name) != nullptr);
        return std::string(name);
    }();
    return folder;
}

// Parsed and read as the notebook reads its file; then saved, and the saved
// text must read back to the same state and save to the same text.
void ReadAndSave(const std::string& text) {
    tlw::sim::StateFile file;
    tlw::sim::NotebookState state;
    std::string error;
    if (!file.Parse(text, error) || !tlw::sim::ReadState(file, state, error)) {
        Check(error.rfind("line ", 0) == 0);
        return;
    }
    tlw::sim::WriteState(state, file);
    const std::string saved = file.Text();
    tlw::sim::StateFile again;
    tlw::sim::NotebookState reread;
    Check(again.Parse(saved, error) && tlw::sim::ReadState(again, reread, error));
    tlw::sim::WriteState(reread, again);
    Check(again.Text() == saved);
}

// Opened as the program opens it: refused or not, an existing file is not
// touched by opening it (an empty one is new: it is given the default
// notebook), and the opened notebook answers.
void Open(const std::string& text) {
    const std::string path = Folder() + "/notebook.ini";
    const std::string log = Folder() + "/requests.log";
    std::string problem;
    Check(tlw::sim::ReplaceWholeFile(path, text, problem));
    std::string error;
    auto driver = tlw::sim::SimulatedDriver::Open(path, log, error);
    std::string after;
    Check(tlw::sim::ReadWholeFile(path, after, problem) == tlw::sim::ReadResult::Read &&
          after == (text.empty() ? tlw::sim::DefaultStateText() : text));
    if (!driver) {
        Check(!error.empty());
        return;
    }
    tlw::RegisterFrame in;
    in.eax = 0x9610;  // the platform check
    tlw::FrameBytes out{};
    std::size_t returned = 0;
    if (driver->Request(tlw::ToBytes(in), out, returned, "ZEFACheck")) Check(returned == out.size());
    ::unlink(log.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    ReadAndSave(text);
    Open(text);
    return 0;
}
