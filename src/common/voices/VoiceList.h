#pragma once
// Voice names read at run time from a file the owner already has (an
// instrument definition file or a voice table). Shown over a model's built-in
// table: where both name a voice, the list wins. Names are Windows-1252.
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace kalivo {

struct BankSelectKey {
    int msb = 0;
    int lsb = 0;
    int program = 0;
};

class VoiceList {
public:
    // Stands for "any value" in a bank half: definition files may name a
    // voice for every bank, or select banks by one controller only.
    static constexpr int kAny = -1;

    // Keeps the first name given for a key, as a table scan would.
    void Add(int msb, int lsb, int program, std::string name);
    // An exact key first, then a key that leaves one or both bank halves open.
    bool Find(int msb, int lsb, int program, std::string& name) const;
    bool Names(int msb, int lsb, int program) const;
    // The number of names held (each open-bank entry counts once).
    std::size_t RowCount() const { return names_.size(); }
    // Keys with both bank halves given, for counting against a built-in table.
    std::vector<BankSelectKey> ExactKeys() const;
    // How many of the keys this list names.
    int CountNamed(const std::vector<BankSelectKey>& keys) const;

    // Where the names came from, for the window, the command line and the settings file.
    const std::string& File() const { return file_; }
    const std::string& Instrument() const { return instrument_; }
    void SetOrigin(std::string file, std::string instrument);

private:
    static std::uint32_t KeyOf(int msb, int lsb, int program);

    std::unordered_map<std::uint32_t, std::string> names_;
    std::string file_;
    std::string instrument_;
};

}  // namespace kalivo
