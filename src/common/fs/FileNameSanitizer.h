#pragma once
// Names taken from registrations, banks and archives become parts of file
// paths. This keeps every such name inside the chosen folder and visible.
#include <string>

namespace kalivo {

class FileNameSanitizer {
public:
    // What FAT and Windows refuse (< > : " / \ | ? * and control characters)
    // becomes "_"; an empty name or one beginning with "." gets a leading "_";
    // final dots and blanks become "_". Ordinary names are unchanged.
    static std::string Sanitize(const std::string& name);
    // Only the first step: every refused character as "_". For a name part
    // that is never a whole file name (a suffix always follows it).
    static std::string ReplaceRefused(const std::string& name);
};

}  // namespace kalivo
