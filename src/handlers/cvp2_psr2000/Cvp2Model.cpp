#include "handlers/cvp2_psr2000/Cvp2Model.h"

namespace kalivo {

const Cvp2Model& Cvp2Model::Cvp2() {
    static const Cvp2Model model{
        "CVP-Dx  ",
        false,
        ".REG",
        "*.S???.reg",
        "NO NAME.s917",
        true,
        true,
        ".cvp",
        10,
        "CVP-2 Series Registration Archive",
        "CVP-2 Series Registration Archive",
        "CVP2 Series Registration Archive",
        BankSelectTableId::Cvp2,
    };
    return model;
}

const Cvp2Model& Cvp2Model::Psr2000() {
    static const Cvp2Model model{
        "PSR2000x",
        true,
        ".S917.REG",
        "*.S917.reg",
        "no name",
        false,
        false,
        ".p2k",
        1,
        "PSR-2000 Registration Archive",
        "PSR2000 Registration Archive",
        "   PSR-2000 Registration Archive",
        BankSelectTableId::Psr2000,
    };
    return model;
}

}  // namespace kalivo
