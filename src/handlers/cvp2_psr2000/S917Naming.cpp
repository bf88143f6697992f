#include "handlers/cvp2_psr2000/S917Naming.h"

#include <algorithm>

#include "common/Format.h"
#include "common/fs/FileNameSanitizer.h"
#include "common/fs/FileSystem.h"
#include "common/text/Cp1252.h"
#include "handlers/RegfileFolder.h"

namespace kalivo {

namespace {

constexpr const char* kS917Extension = ".s917";
constexpr std::size_t kS917ExtensionSize = 5;
constexpr const char* kEmptyArchive = "Empty_Bank.s917";

std::string UpToFirstDot(const std::string& name) { return name.substr(0, name.find('.')); }

bool EndsInS917Extension(const std::string& name) {
    if (name.size() < 6) {
        return false;
    }
    const char s = name[name.size() - 4];
    return name[name.size() - 5] == '.' && (s == 's' || s == 'S');
}

}  // namespace

std::string S917Naming::ArchiveNameOfListed(const S917Model& model, const std::string& listedName) {
    const std::string name = Cp1252::FromUtf8(listedName);
    return model.archiveNameKeepsDots ? name : UpToFirstDot(name);
}

std::string S917Naming::BankNameOfFile(const std::string& path) {
    return Cp1252::FromUtf8(UpToFirstDot(FileSystem::LastComponent(path)));
}

S917Names S917Naming::FromArchiveName(const S917Model& model, const std::string& name) {
    if (!model.s917ArchiveNames) {
        return {name, name};
    }
    std::string archive;
    if (name.empty()) {
        archive = kEmptyArchive;
    } else if (EndsInS917Extension(name)) {
        archive = name;
    } else {
        archive = UpToFirstDot(name) + kS917Extension;
    }
    return {archive, archive.substr(0, archive.size() - kS917ExtensionSize)};
}

S917Names S917Naming::FromBankName(const S917Model& model, const std::string& name) {
    if (!model.s917ArchiveNames) {
        return {name, name};
    }
    const std::string bank = UpToFirstDot(name);
    return {bank + kS917Extension, bank};
}

std::string S917Naming::FileNamePart(const std::string& name) {
    return FileNameSanitizer::Sanitize(Cp1252::ToUtf8(name));
}

std::string S917Naming::RegfileBase(const std::string& registrationName, const std::string& bankName, int bank,
                                    int slot) {
    return RegfileFolder::Underscored(registrationName) + "_" + bankName + FormatNumbers("(%i-%i)", bank + 1, slot + 1);
}

}  // namespace kalivo
