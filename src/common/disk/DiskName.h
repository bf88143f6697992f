#pragma once
// Archive names as the instruments' floppy disks keep them: a short FAT name
// in capitals. The same text goes into the file name and inside the files, so
// the name a disk lists is the name the instrument shows.
#include <cstddef>
#include <string>

namespace kalivo {

class DiskName {
public:
    // Whether c (Windows-1252) can be typed into such a name: letters (an
    // accented one folds to its plain capital), digits, space and
    // ! # $ % & ' ( ) - @ ^ _ ` { } ~. Refused: . / \ : * ? " < > | + , ; = [ ]
    // and control characters, which a short file name cannot hold.
    static bool Accepts(char c);
    // The name (Windows-1252) as stored: refused characters dropped, letters
    // in capitals with accents folded ("Müller Set 1.2/X", 8: "MULLER S"), cut
    // at length, no blanks at either end.
    static std::string Stored(const std::string& name, std::size_t length);
};

}  // namespace kalivo
