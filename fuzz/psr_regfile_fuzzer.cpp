// Reads arbitrary bytes as a PSR-740 or PSR-8000 regfile (the first byte
// chooses the model): a file that is no sound record is left out; a sound one
// is copied into a bank, listed, viewed and written again.
#include <initializer_list>

#include "PsrFuzzDisk.h"
#include "TyrosFuzzChecks.h"
#include "core/tyros/AlternatingUserInterface.h"
#include "handlers/psr740_8000/Psr740Handler.h"
#include "handlers/psr740_8000/Psr8000Handler.h"

using namespace kalivo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::PsrFuzzDisk disk;
    if (size == 0) {
        return 0;
    }
    // One pair of handlers per model for the whole run: making and clearing
    // a bank memory cost more than the rest of an input. A load replaces the
    // source's regfile list, and the destination only ever holds the one
    // registration copied into the same slot.
    static test::AlternatingUserInterface ui;
    static Psr740Handler source740(ui), destination740(ui);
    static Psr8000Handler source8000(ui), destination8000(ui);
    static const bool created = [] {
        for (Psr740FamilyHandler* handler :
             std::initializer_list<Psr740FamilyHandler*>{&source740, &destination740, &source8000, &destination8000}) {
            handler->CreateStore();
        }
        return true;
    }();
    (void)created;
    Psr740FamilyHandler* source = (data[0] & 1) == 0 ? static_cast<Psr740FamilyHandler*>(&source740) : &source8000;
    Psr740FamilyHandler* destination =
        (data[0] & 1) == 0 ? static_cast<Psr740FamilyHandler*>(&destination740) : &destination8000;
    const std::string folder = disk.Fresh("regfiles");
    fuzz::PsrFuzzDisk::Write(folder + "one" + source->Model().regfileExtension, {data + 1, size - 1});
    const Status loaded = source->LoadRegfiles(folder);
    fuzz::Require(loaded == Status::kDone || loaded == Status::kNoRegfileFound);
    if (loaded != Status::kDone) {
        fuzz::Require(source->Regfiles().Entries().empty());
        return 0;
    }
    std::string text;
    int tempo = 0;
    source->GetRegfileName(0, text);
    source->GetRegfileStyleName(0, text);
    source->GetRegfileTempo(0, tempo);
    fuzz::Require(tempo <= 300);  // a taken regfile never shows a made-up tempo
    source->GetRegfileVoiceName1(0, text);
    source->GetRegfileVoiceName4(0, text);
    source->ShowRegistration(0, -1, -1);
    fuzz::Require(source->WriteRegfileProtocol(folder + "r.htm") == Status::kDone);

    fuzz::Require(destination->CopyRegfile(1, 2, source, 0) == Status::kDone);
    fuzz::Require(destination->GetRegistrationName(1, 2, text) == Status::kDone);
    destination->ShowRegistration(-1, 1, 2);
    fuzz::Require(destination->CreateRegfiles(folder) == Status::kDone);
    // What the program writes, it reads back.
    fuzz::Require(source->LoadRegfiles(folder) == Status::kDone);
    fuzz::Require(source->Regfiles().Entries().size() == 2);
    return 0;
}
