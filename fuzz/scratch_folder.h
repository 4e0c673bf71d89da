#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

// For fuzzers whose loaders read fixed relative paths: they run inside a scratch folder of their
// own, removed at exit. libFuzzer reads its corpus folders and writes its findings only after
// LLVMFuzzerInitialize, so the paths on the command line are made absolute before the folder
// changes, and crash files go to the folder the fuzzer was started in unless told otherwise.
namespace fuzz {

inline std::filesystem::path& ScratchFolder() {
    static std::filesystem::path folder;
    return folder;
}

inline void RemoveScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(ScratchFolder(), ignored);
}

// The flags whose values are paths.
inline constexpr const char* kPathFlags[] = {
    "-artifact_prefix=", "-exact_artifact_path=", "-dict=",
    "-features_dir=",    "-merge_control_file=",  "-seed_inputs=",
};

inline std::string Absolute(const std::string& path) {
    return path.empty() ? path : std::filesystem::absolute(path).string();
}

// One argument with its paths made absolute: a corpus folder or input file, or a path flag.
inline std::string WithAbsolutePaths(const std::string& arg) {
    if (arg.empty() || arg[0] != '-') return Absolute(arg);
    for (const char* flag : kPathFlags) {
        const size_t n = std::strlen(flag);
        if (arg.compare(0, n, flag) == 0) return flag + Absolute(arg.substr(n));
    }
    return arg;
}

// Call from LLVMFuzzerInitialize with its arguments.
inline void EnterScratchFolder(int* argc, char*** argv) {
    static std::vector<std::string> args;
    static std::vector<char*> pointers;
    bool artifactPrefix = false;
    bool passThrough = false;  // what follows -ignore_remaining_args=1 belongs to the target
    for (int i = 1; i < *argc; ++i) {
        const std::string arg = (*argv)[i];
        args.push_back(passThrough ? arg : WithAbsolutePaths(arg));
        if (arg.compare(0, 17, "-artifact_prefix=") == 0) artifactPrefix = true;
        if (arg == "-ignore_remaining_args=1") passThrough = true;
    }
    if (!artifactPrefix) {
        args.insert(args.begin(),
                    "-artifact_prefix=" + (std::filesystem::current_path() / "").string());
    }
    // argv[0] must stay the very string libFuzzer was given.
    pointers.push_back((*argv)[0]);
    for (std::string& arg : args)
        pointers.push_back(arg.data());
    pointers.push_back(nullptr);
    *argc = static_cast<int>(pointers.size()) - 1;
    *argv = pointers.data();

    std::string pattern = (std::filesystem::temp_directory_path() / "zarune-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr || chdir(pattern.c_str()) != 0) std::abort();
    ScratchFolder() = pattern;
    std::atexit(RemoveScratchFolder);
}

}  // namespace fuzz
