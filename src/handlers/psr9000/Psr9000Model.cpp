#include "handlers/psr9000/Psr9000Model.h"

#include <cstring>

#include "common/tables/BankSelectVoiceTable.h"

namespace kalivo {

const Psr9000Model& Psr9000Model::Psr9000() {
    static const Psr9000Model model{"PSR-9000", "REG.BUP",
                                    "REG9_100", true,
                                    "Ver2.11",  "STY.BUP",
                                    ".p9k",     "PSR-9000 Registration Archive",
                                    "   ",      BankSelectTableId::Psr9000};
    return model;
}

const Psr9000Model& Psr9000Model::Pro() {
    static const Psr9000Model model{"9000Pro",  "REG_Pro.BUP",
                                    "REG9P100", false,
                                    "Ver1.02",  "STY_PRO.BUP",
                                    ".9kp",     "9000Pro Registration Archive",
                                    "    ",     BankSelectTableId::Psr9000Pro};
    return model;
}

const Psr9000Model& Psr9000Model::Other() const { return this == &Psr9000() ? Pro() : Psr9000(); }

std::array<std::uint8_t, 24> Psr9000Model::DefaultHeader() const {
    std::array<std::uint8_t, 24> header{0x00, 0x46, 0x8E, 0x94, 0x00, 0x03, 0xB0, 0x0C};
    std::memcpy(header.data() + 16, headerTag, 8);
    return header;
}

std::array<std::string, 15> Psr9000Model::BackupIniLines() const {
    // The file names the registration file with a lower-case extension.
    std::string file = registrationFile;
    file.replace(file.size() - 3, 3, "bup");
    return {"[TITLE]",
            std::string(instrument) + " BACKUP.INI",
            "YAMAHA Corporation",
            "[DISK NO]",
            "DISK000",
            "[INSTRUMENT]",
            instrument,
            "[VERSION]",
            iniVersion,
            "[TOTAL USER DATA SIZE]",
            "241692KB",
            "[BACKUP REGIST]",
            "TOTAL FILE NUM:0",
            "4 = " + file,
            "[DATAEND]"};
}

}  // namespace kalivo
