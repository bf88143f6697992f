#include "handlers/psr740_8000/Psr740UserFile.h"

#include "common/Format.h"
#include "common/disk/ManagementLine.h"

namespace kalivo {

namespace {

bool IsDigits(const std::string& text, std::size_t at, std::size_t count) {
    if (text.size() < at + count) {
        return false;
    }
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
    }
    return true;
}

int Number(const std::string& text, std::size_t at, std::size_t count) {
    return IsDigits(text, at, count) ? std::stoi(text.substr(at, count)) : -1;
}

bool Is(const std::string& line, const char* text) { return ManagementLine::TextOf(line) == text; }

// One named data file of a "REG" list line; false when the line names no bank.
bool RefOf(const Psr740Model& model, const std::string& line, Psr740DataFileRef& ref, std::string& setNumber) {
    ref.stem = line.substr(0, 8);
    ref.stem.erase(ref.stem.find_last_not_of(' ') + 1);
    setNumber = line.size() > 3 ? line.substr(3, 3) : std::string();
    if (model.oneDataFile) {
        ref.bank = -1;
        return true;
    }
    const int bank = Number(line, 6, 2);
    ref.bank = bank - 1;
    return bank >= 1 && bank <= model.banks;
}

}  // namespace

Status Psr740UserFile::Parse(const Psr740Model& model, const std::vector<std::string>& lines, Psr740SetContents& contents) {
    std::size_t i = 0;
    while (i < lines.size() && !Is(lines[i], "SECTION08")) {
        ++i;
    }
    if (i == lines.size()) {
        return Status::kUserFileNoSection;
    }
    while (i < lines.size() && lines[i].compare(0, 4, "REG,") != 0) {
        ++i;
    }
    if (i == lines.size()) {
        return Status::kUserFileNoRegEntry;
    }
    const int listed = model.oneDataFile ? 1 : std::max(0, Number(lines[i], 4, 2));
    bool header = false;
    // A later "REG" header replaces what an earlier one listed.
    for (++i; i < lines.size(); ++i) {
        if (!Is(lines[i], "REG")) {
            continue;
        }
        header = true;
        if (lines.size() - i - 1 < static_cast<std::size_t>(listed)) {
            return Status::kUserFileRegListShort;
        }
        contents = Psr740SetContents();
        for (int k = 1; k <= listed; ++k) {
            Psr740DataFileRef ref;
            std::string setNumber;
            if (RefOf(model, lines[i + static_cast<std::size_t>(k)], ref, setNumber)) {
                if (contents.files.empty()) {
                    contents.setNumber = setNumber;
                }
                contents.files.push_back(ref);
            }
        }
    }
    return header ? Status::kDone : Status::kUserFileNoRegHeader;
}

bool Psr740UserFile::OfOtherModel(const Psr740Model& model, const std::vector<std::string>& lines) {
    return lines.size() > kModelLine && Is(lines[kModelLine], model.Other().modelString);
}

std::string Psr740UserFile::DataLine(const Psr740Model& model, int setNumber, int bank) {
    return model.oneDataFile ? FormatNumbers("RPK%3.3iALREG", setNumber)
                             : FormatNumbers("RPK%3.3i%2.2iREG", setNumber, bank + 1);
}

std::vector<std::uint8_t> Psr740UserFile::Build(const Psr740Model& model, const std::string& name, int setNumber,
                                             const std::vector<int>& usedBanks) {
    const int n = model.oneDataFile ? 1 : static_cast<int>(usedBanks.size());
    std::string nameField = name.substr(0, 8);
    nameField.resize(8, ' ');
    std::vector<std::uint8_t> out;
    for (const std::string& text : {nameField + "USR", std::string("DISKFFF"), std::string("M_NUM00000"),
                                    std::string("C_NUM00000"), std::string(model.modelString),
                                    std::string("Ver1.00Rev1.00"), std::string("P,I"), std::string(),
                                    std::string(model.userFileSize), std::string("SECTION08"),
                                    std::string("MID,00,00,0336"), std::string("SET,00,00,0352"),
                                    FormatNumbers("REG,%2.2i,%2.2i,0368", n, n)}) {
        ManagementLine::Append(out, text);
    }
    int line = 24 + n;  // the sections after the data file lines
    for (const char* section : {"PAD", "STY", "VIC", "TWK", "EFF"}) {
        ManagementLine::Append(out, std::string(section) + FormatNumbers(",00,00,%4.4i", (line++) * 16));
    }
    int mask = 0;
    for (int bank : usedBanks) {
        mask |= 1 << bank;
    }
    ManagementLine::AppendAsIs(out, model.oneDataFile ? std::string("00000000,FFFFFFFF,00000000,00000000,00000000,010")
                                  : FormatNumbers("00000000,0000%4.4X,00000000,00000000,00000000,010", mask));
    for (const char* text : {"\\", "SET", "REG"}) {
        ManagementLine::Append(out, text);
    }
    if (model.oneDataFile) {
        ManagementLine::Append(out, DataLine(model, setNumber, 0));
    } else {
        for (int bank : usedBanks) {
            ManagementLine::Append(out, DataLine(model, setNumber, bank));
        }
    }
    for (const char* text : {"PAD", "\\", "VIC", "TWK", "EFF"}) {
        ManagementLine::Append(out, text);
    }
    return out;
}

}  // namespace kalivo
