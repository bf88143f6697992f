#pragma once
// A scratch folder for the PSR-740 / PSR-8000 fuzz targets, which read their
// input from files as the handlers do. Made once per process, emptied per run,
// in memory (/dev/shm) where the system has it: a disk folder holds a run
// to a few hundred inputs a second.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>

namespace kalivo::fuzz {

class PsrFuzzDisk {
public:
    PsrFuzzDisk() {
        std::error_code ec;
        const std::filesystem::path ram = "/dev/shm";
        const std::filesystem::path base = std::filesystem::is_directory(ram, ec) ? ram : std::filesystem::temp_directory_path();
        std::string pattern = (base / "kalivo-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        root_ = pattern;
    }
    ~PsrFuzzDisk() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

    // An empty folder name below the root, with a trailing separator.
    std::string Fresh(const std::string& name) const {
        const std::filesystem::path folder = root_ / name;
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        return folder.string() + "/";
    }

    // The folder name below the root, kept from one input to the next (a
    // trailing separator added): made once, then emptied of the files the
    // last input left, one listing per folder. Its subfolders stay, so an
    // input that writes into them does not remove and make them again.
    std::string Emptied(const std::string& name) const {
        const std::filesystem::path folder = root_ / name;
        std::error_code ignored;
        std::filesystem::create_directories(folder, ignored);
        RemoveFiles(folder);
        return folder.string() + "/";
    }

    static void Write(const std::string& path, std::span<const std::uint8_t> bytes) {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

private:
    static void RemoveFiles(const std::filesystem::path& folder) {
        std::error_code ignored;
        for (const auto& entry : std::filesystem::directory_iterator(folder, ignored)) {
            if (entry.is_directory(ignored) && !entry.is_symlink(ignored)) {
                RemoveFiles(entry.path());
            } else {
                std::filesystem::remove(entry.path(), ignored);
            }
        }
    }

    std::filesystem::path root_;
};

}  // namespace kalivo::fuzz
