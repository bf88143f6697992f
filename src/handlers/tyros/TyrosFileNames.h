#pragma once
// How Tyros bank names and registration names become file names and back.
// Every name made here stays a plain name inside the chosen folder.
#include <string>

namespace kalivo {

class TyrosFileNames {
public:
    // The bank name a file's title (its name without ".rgt") gives: the title
    // without a final ".S" and three characters, in the instrument's text.
    static std::string BankNameOf(const std::string& title);
    // The icon code a bank file's name carries in ".S" and three characters:
    // those digits, "917" when they are not all digits, "   " without them.
    static std::string IconCodeOf(const std::string& title);

    // The bank's name (instrument text) as the start of its file name (UTF-8).
    static std::string BankFileBase(const std::string& bankName);
    // base + ".S" + icon code + extension, or base + extension for the icon code "   ".
    static std::string BankFileName(const std::string& base, const std::string& iconCode,
                                    const std::string& extension = ".rgt");
    // True for the files of the same bank: base + ".rgt" or base + ".S" and
    // three characters + ".rgt", ignoring case. "Jazz2.rgt" is not "Jazz".
    static bool IsSameBankFile(const std::string& base, const std::string& fileName);

    // A registration's name as the base of its regfile name (instrument text;
    // the regfile folder makes the file name of it): blanks, '\'', '*' and
    // '?' become '_', trailing '_' go.
    static std::string RegfileBase(const std::string& registrationName);
};

}  // namespace kalivo
