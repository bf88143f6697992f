#pragma once
// A scratch folder for the PSR-740 / PSR-8000 fuzz targets, which read their
// input from files as the handlers do. Made once per process, emptied per run,
// in memory (/dev/shm) where the system has it: a disk folder holds a run
// to a few hundred inputs a second.
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

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

    // Straight through the system: a stream per file costs more than the write.
    static void Write(const std::string& path, std::span<const std::uint8_t> bytes) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) || ::close(fd) != 0) {
            std::abort();
        }
    }

private:
    static void RemoveFiles(const std::filesystem::path& folder) {
        DIR* dir = ::opendir(folder.c_str());
        if (dir == nullptr) {
            return;
        }
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name == "." || name == "..") {
                continue;
            }
            if (entry->d_type == DT_DIR) {
                RemoveFiles(folder / name);
            } else {
                ::unlink((folder / name).c_str());
            }
        }
        ::closedir(dir);
    }

    std::filesystem::path root_;
};

// Files an input wrote, removed when it ends however it ends.
struct RemovedAtEnd {
    std::vector<std::string> paths;
    ~RemovedAtEnd() {
        for (const std::string& path : paths) {
            std::error_code ignored;
            std::filesystem::remove(path, ignored);
        }
    }
};

}  // namespace kalivo::fuzz
