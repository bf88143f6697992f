#pragma once
// Records built from the byte layouts, and handlers filled through their own
// operations (regfiles copied in), for the PSR-740 / PSR-8000 tests.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/fs/FileSystem.h"
#include "handlers/psr740_8000/Psr740Handler.h"
#include "handlers/psr740_8000/Psr8000Handler.h"
#include "handlers/psr740_8000/Psr740Model.h"
#include "handlers/psr740_8000/Psr740Protocol.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempFolder.h"

namespace kalivo::test::psr {

using Bytes = std::vector<std::uint8_t>;

struct Voice {
    int msb = 0, lsb = 0, program = 0;  // PSR-740
    int number = 0;                     // PSR-8000
};

struct RecordSpec {
    std::string title;
    int style = 0;
    int tempo = 120;
    std::vector<Voice> voices = {};  // Left, Right 1, Right 2, Lead
};

inline void PutU16(Bytes& record, std::size_t at, int value) {
    record[at] = static_cast<std::uint8_t>(value >> 8);
    record[at + 1] = static_cast<std::uint8_t>(value & 0xFF);
}

// A record of the model: its default, then the fields of spec at their offsets.
inline Bytes Record(const Psr740Model& model, const RecordSpec& spec) {
    const bool is740 = &model == &Psr740Model::Psr740();
    Bytes record(model.recordSize, 0);
    model.makeDefault(record, 0, 0);
    const std::size_t titleAt = is740 ? 16 : 156;
    std::fill_n(record.begin() + static_cast<std::ptrdiff_t>(titleAt), 16, 0);
    std::copy(spec.title.begin(), spec.title.end(), record.begin() + static_cast<std::ptrdiff_t>(titleAt));
    record[is740 ? 32 : 200] = static_cast<std::uint8_t>(spec.style);
    PutU16(record, is740 ? 37 : 152, spec.tempo);
    for (std::size_t part = 0; part < spec.voices.size() && part < 4; ++part) {
        const Voice& v = spec.voices[part];
        if (is740 && part < 3) {
            const std::size_t at = std::array<std::size_t, 3>{151, 119, 135}[part];
            record[at] = static_cast<std::uint8_t>(v.msb);
            record[at + 1] = static_cast<std::uint8_t>(v.lsb);
            record[at + 2] = static_cast<std::uint8_t>(v.program);
        } else if (!is740) {
            PutU16(record, 2 * part, v.number);
        }
    }
    return record;
}

struct Placed {
    int bank;
    int slot;
    RecordSpec spec;
};

// Puts records into a handler's bank memory the way a user does: as regfiles
// copied in with ">>".
inline void Fill(Psr740FamilyHandler& target, const std::vector<Placed>& placed) {
    ScriptedUserInterface ui;
    const Psr740Model& model = target.Model();
    std::unique_ptr<Psr740FamilyHandler> carrier;
    if (&model == &Psr740Model::Psr740()) {
        carrier = std::make_unique<Psr740Handler>(ui);
    } else {
        carrier = std::make_unique<Psr8000Handler>(ui);
    }
    carrier->CreateStore();
    for (const Placed& p : placed) {
        TempFolder folder;
        folder.Write(std::string("r") + model.regfileExtension, Record(model, p.spec));
        ASSERT_EQ(carrier->LoadRegfiles(folder.Path()), Status::kDone);
        ASSERT_EQ(target.CopyRegfile(p.bank, p.slot, carrier.get(), 0), Status::kDone);
    }
}

inline std::string Text(const Bytes& bytes, std::size_t at, std::size_t count) {
    return at + count <= bytes.size() ? std::string(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                                                    bytes.begin() + static_cast<std::ptrdiff_t>(at + count))
                                      : std::string("<short>");
}

// A management line as the disks hold it: 14 characters, blank-padded, CR LF.
inline std::string Line(const std::string& text) {
    std::string line = text;
    line.resize(14, ' ');
    return line + "\r\n";
}

// One model's pair of handlers and two folders.
template <class Handler>
class Psr740FamilyFixture : public ::testing::Test {
public:  // shared helpers of the test files take the fixture
    ScriptedUserInterface ui;
    Handler source{ui};
    Handler destination{ui};
    TempFolder disk;
    TempFolder other;

    void SetUp() override {
        destination.CreateStore();
        source.CreateStore();
    }
    const Psr740Model& Model() const { return destination.Model(); }
    std::string Folder(const TempFolder& folder) const { return FileSystem::WithSeparator(folder.Path()); }
    std::vector<std::string> Messages() const { return ui.MessageTexts(); }
    std::string Name(Psr740FamilyHandler& handler, int bank, int slot) {
        std::string name;
        return handler.GetRegistrationName(bank, slot, name) == Status::kDone ? name : "<none>";
    }
};

using Psr740Fixture = Psr740FamilyFixture<Psr740Handler>;
using Psr8000Fixture = Psr740FamilyFixture<Psr8000Handler>;

}  // namespace kalivo::test::psr
