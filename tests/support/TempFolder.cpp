#include "support/TempFolder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace kalivo::test {

namespace stdfs = std::filesystem;

TempFolder::TempFolder() {
    static std::mt19937 random{std::random_device{}()};
    for (;;) {
        auto candidate = stdfs::temp_directory_path() / ("kalivo-test-" + std::to_string(random()));
        if (stdfs::create_directory(candidate)) {
            path_ = candidate.string();
            return;
        }
    }
}

TempFolder::~TempFolder() {
    std::error_code ec;
    stdfs::remove_all(path_, ec);
}

std::string TempFolder::File(const std::string& name) const { return path_ + "/" + name; }

void TempFolder::Write(const std::string& name, const std::string& content) const {
    std::ofstream(File(name), std::ios::binary) << content;
}

void TempFolder::Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    std::ofstream out(File(name), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::string TempFolder::Read(const std::string& name) const {
    std::ifstream in(File(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::uint8_t> TempFolder::ReadBytes(const std::string& name) const {
    const std::string text = Read(name);
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

std::vector<std::string> TempFolder::Names() const {
    std::vector<std::string> names;
    for (const auto& entry : stdfs::directory_iterator(path_)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace kalivo::test
