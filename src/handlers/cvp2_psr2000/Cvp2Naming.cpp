#include "handlers/cvp2_psr2000/Cvp2Naming.h"

#include "common/Format.h"
#include "common/fs/FileNameSanitizer.h"
#include "common/text/Cp1252.h"
#include "handlers/RegfileFolder.h"

namespace kalivo {

namespace {

constexpr const char* kS917Extension = ".s917";
constexpr std::size_t kS917ExtensionSize = 5;
constexpr const char* kEmptyArchive = "Empty_Bank.s917";

bool EndsInS917Extension(const std::string& name) {
    if (name.size() < 6) {
        return false;
    }
    const char s = name[name.size() - 4];
    return name[name.size() - 5] == '.' && (s == 's' || s == 'S');
}

}  // namespace

// Windows-1252 and UTF-8 hold the refused characters alike, all of them ASCII.
std::string Cvp2Naming::Clean(const std::string& name) { return FileNameSanitizer::ReplaceRefused(name); }

std::string Cvp2Naming::Stem(const std::string& name) {
    const auto start = name.find_first_not_of('.');
    return start == std::string::npos ? name : name.substr(0, name.find('.', start));
}

std::string Cvp2Naming::ArchiveNameOfListed(const Cvp2Model& model, const std::string& listedName) {
    const std::string name = Clean(Cp1252::FromUtf8(listedName));
    return model.archiveNameKeepsDots ? name : Stem(name);
}

std::string Cvp2Naming::BankNameOfFile(const std::string& fileName) {
    return Clean(Cp1252::FromUtf8(Stem(fileName)));
}

Cvp2Names Cvp2Naming::FromArchiveName(const Cvp2Model& model, const std::string& name) {
    const std::string clean = Clean(name);
    if (!model.s917ArchiveNames) {
        return {clean, clean};
    }
    std::string archive;
    if (clean.empty()) {
        archive = kEmptyArchive;
    } else if (EndsInS917Extension(clean)) {
        archive = clean;
    } else {
        archive = Stem(clean) + kS917Extension;
    }
    return {archive, archive.substr(0, archive.size() - kS917ExtensionSize)};
}

Cvp2Names Cvp2Naming::FromBankName(const Cvp2Model& model, const std::string& name) {
    const std::string clean = Clean(name);
    if (!model.s917ArchiveNames) {
        return {clean, clean};
    }
    const std::string bank = Stem(clean);
    return {bank + kS917Extension, bank};
}

std::string Cvp2Naming::FileNamePart(const std::string& name) {
    const std::string part = Cp1252::ToUtf8(Clean(name));
    return part.empty() ? "_" : part;
}

std::string Cvp2Naming::RegfileBase(const std::string& registrationName, const std::string& bankName, int bank,
                                    int slot) {
    return RegfileFolder::Underscored(registrationName) + "_" + Clean(bankName) +
           FormatNumbers("(%i-%i)", bank + 1, slot + 1);
}

}  // namespace kalivo
