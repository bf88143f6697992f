#pragma once
// A fresh folder under the system's temporary folder, removed with its content.
#include <cstdint>
#include <string>
#include <vector>

namespace kalivo::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    // Path + separator + name.
    std::string File(const std::string& name) const;
    void Write(const std::string& name, const std::string& content) const;
    void Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;
    std::string Read(const std::string& name) const;
    std::vector<std::uint8_t> ReadBytes(const std::string& name) const;
    std::vector<std::string> Names() const;

private:
    std::string path_;
};

}  // namespace kalivo::test
