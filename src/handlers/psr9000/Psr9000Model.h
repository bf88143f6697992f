#pragma once
// What tells the PSR-9000 and the 9000Pro apart. Both handlers run the same
// code; every name or constant that differs between the two lives here.
#include <array>
#include <cstdint>
#include <string>

namespace kalivo {

enum class BankSelectTableId;

struct Psr9000Model {
    const char* instrument;        // "PSR-9000" / "9000Pro", as BACKUP.INI and DISK.MNG spell it
    const char* registrationFile;  // inside the backup folder
    const char* headerTag;         // bytes 16..23 of a new registration file's header
    bool checksDiskMng;            // a DISK.MNG of another model blocks loading
    const char* iniVersion;        // BACKUP.INI [VERSION]
    const char* styleBackupFile;   // style backup inside a ".BUF" folder
    const char* regfileExtension;
    const char* protocolTitle;    // "<model> Registration Archive"
    const char* htmlTitleIndent;  // blanks before the title on HTML pages
    BankSelectTableId voiceTable;

    static const Psr9000Model& Psr9000();
    static const Psr9000Model& Pro();
    // The other model of the family, whose backups may lie on the same disk.
    const Psr9000Model& Other() const;

    // The 24-byte header a new registration file starts with.
    std::array<std::uint8_t, 24> DefaultHeader() const;
    // BACKUP.INI line by line (written with CR LF after every line).
    std::array<std::string, 15> BackupIniLines() const;
};

}  // namespace kalivo
