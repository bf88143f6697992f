#pragma once
// Text and HTML listings of a PSR-9000 family handler's banks and regfiles.
#include <string>

#include "ui/UserInterface.h"

namespace kalivo {

class Psr9000FamilyHandler;

class Psr9000Protocol {
public:
    Psr9000Protocol(Psr9000FamilyHandler& handler, UserInterface& ui);

    // Every registration of every used bank. 0, 13 (neither "txt" nor "htm"),
    // 14 (no used bank) or 10 (the file cannot be written).
    int WriteBanks(const std::string& path);
    // The count regfile entries in list order. 0, 13, 15 (none) or 10.
    int WriteRegfiles(const std::string& path, int count);

private:
    bool AnyBankUsed();
    std::string BankText();
    std::string BankHtml();
    std::string RegfileText(int count);
    std::string RegfileHtml(int count);
    int Write(const std::string& path, const std::string& bytes);

    Psr9000FamilyHandler& handler_;
    UserInterface& ui_;
};

}  // namespace kalivo
