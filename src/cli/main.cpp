// kragmoor-sim: the headless runner. Loads the game of a working directory exactly as the
// window application does (without deleting anything), then describes it (--games 0), values it
// (--exact) or plays a run on the same engine; all of it in the runner library.
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/runner.h"

#ifdef _WIN32
#include <windows.h>
// shellapi.h needs windows.h before it
#include <shellapi.h>

namespace {

// Windows hands main() its arguments in the system's code page, which cannot spell every folder
// name: they are read again from the wide command line, as UTF-8.
std::vector<std::string> Utf8Arguments() {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; wide != nullptr && i < count; ++i) {
        const int bytes =
            WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string arg(static_cast<std::size_t>(bytes > 0 ? bytes : 1), '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, arg.data(), bytes, nullptr, nullptr);
        arg.pop_back();  // the terminating null
        args.push_back(arg);
    }
    LocalFree(wide);
    return args;
}

}  // namespace
#endif

int main([[maybe_unused]] int argc, [[maybe_unused]] char** argv) {
#ifdef _WIN32
    const std::vector<std::string> utf8 = Utf8Arguments();
    const std::vector<std::string_view> args(utf8.begin(), utf8.end());
#else
    const std::vector<std::string_view> args(argv + 1, argv + argc);
#endif
    const int status = kragmoor::cli::Main(args, {std::cout, std::cerr, stderr});
    // Results that never reached their reader are a failure too (a full disk under a redirect).
    if (!std::cout.flush()) {
        std::cerr << "kragmoor-sim: the results could not be written to the standard output\n";
        return 1;
    }
    return status;
}
