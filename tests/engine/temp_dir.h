#pragma once

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>

// A fresh folder under the system's temporary folder, removed with its contents afterwards.
class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zarune-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Makes a fresh temporary folder the current one for its lifetime: the game's file paths are
// relative to the current folder.
class InTempDir {
public:
    InTempDir() : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(dir_.Path());
    }
    InTempDir(const InTempDir&) = delete;
    InTempDir& operator=(const InTempDir&) = delete;
    ~InTempDir() { std::filesystem::current_path(previous_); }

private:
    std::filesystem::path previous_;
    TempDir dir_;
};
