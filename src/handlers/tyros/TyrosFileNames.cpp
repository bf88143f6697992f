#include "handlers/tyros/TyrosFileNames.h"

#include <algorithm>
#include <cctype>

#include "common/fs/FileNameSanitizer.h"
#include "common/fs/FileSystem.h"
#include "common/text/Cp1252.h"
#include "handlers/RegfileFolder.h"
#include "handlers/tyros/TyrosBank.h"

namespace kalivo {

namespace {

constexpr std::size_t kMaxBankName = 260;
constexpr const char* kBankExtension = ".rgt";
constexpr std::size_t kIconPartSize = 5;  // ".S" and three characters

bool HasIconPart(const std::string& text, std::size_t at) {
    return text.size() >= at + kIconPartSize && text[at] == '.' && text[at + 1] == 'S';
}

}  // namespace

std::string TyrosFileNames::BankNameOf(const std::string& title) {
    // Only the icon part goes: real names hold dots ("Vol. 2.S917").
    const bool icon = title.size() >= kIconPartSize && HasIconPart(title, title.size() - kIconPartSize);
    const std::string name = icon ? title.substr(0, title.size() - kIconPartSize) : title;
    return Cp1252::FromUtf8(Cp1252::Utf8Prefix(name, kMaxBankName));
}

std::string TyrosFileNames::IconCodeOf(const std::string& title) {
    if (title.size() < kIconPartSize || !HasIconPart(title, title.size() - kIconPartSize)) {
        return TyrosBank::kNoIcon;
    }
    const std::string code = title.substr(title.size() - 3);
    const bool digits = std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '9'; });
    return digits ? code : TyrosBank::kResetIcon;
}

std::string TyrosFileNames::BankFileBase(const std::string& bankName) {
    // Sanitised as the start of a whole file name, so that a final dot of the
    // name ("Vol.") stays: the icon part and the extension follow it.
    const std::string whole = FileNameSanitizer::Sanitize(Cp1252::ToUtf8(bankName) + kBankExtension);
    return whole.substr(0, whole.size() - std::string(kBankExtension).size());
}

std::string TyrosFileNames::BankFileName(const std::string& base, const std::string& iconCode,
                                         const std::string& extension) {
    const std::string icon = iconCode == TyrosBank::kNoIcon ? std::string() : ".S" + iconCode;
    const std::string ending = FileSystem::EqualsNoCase(extension, kBankExtension) ? extension : kBankExtension;
    // The base is already safe; this keeps an odd icon code from adding a path part.
    return FileNameSanitizer::Sanitize(base + icon + ending);
}

bool TyrosFileNames::IsSameBankFile(const std::string& base, const std::string& fileName) {
    if (fileName.size() < base.size() || !FileSystem::EqualsNoCase(fileName.substr(0, base.size()), base)) {
        return false;
    }
    std::string rest = fileName.substr(base.size());
    if (rest.size() == 4 + kIconPartSize && FileSystem::EqualsNoCase(rest.substr(0, 2), ".S")) {
        rest = rest.substr(kIconPartSize);
    }
    return FileSystem::EqualsNoCase(rest, kBankExtension);
}

std::string TyrosFileNames::RegfileBase(const std::string& registrationName) {
    return RegfileFolder::Underscored(registrationName);
}

}  // namespace kalivo
