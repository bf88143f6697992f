#pragma once
// Text and HTML listings of a PSR-9000 family handler's banks and regfiles.
#include <string>

#include "handlers/Outcome.h"

namespace kalivo {

class Psr9000FamilyHandler;

class Psr9000Protocol {
public:
    explicit Psr9000Protocol(Psr9000FamilyHandler& handler) : handler_(handler) {}

    // Every registration of every used bank. Done, kWrongProtocolEnding
    // (neither "txt" nor "htm"), kNothingToWrite (no used bank) or
    // kProtocolNotCreated (the file cannot be written, with its message).
    Outcome WriteBanks(const std::string& path);
    // The count regfile entries in list order; kRegfileListEmpty for none.
    Outcome WriteRegfiles(const std::string& path, int count);

private:
    bool AnyBankUsed();
    std::string BankText();
    std::string BankHtml();
    std::string RegfileText(int count);
    std::string RegfileHtml(int count);
    Outcome Write(const std::string& path, const std::string& bytes);

    Psr9000FamilyHandler& handler_;
};

}  // namespace kalivo
