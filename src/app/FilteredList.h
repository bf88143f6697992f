#pragma once
// The lines of one archive list and the find filter over them. The window
// sees only the lines the filter lets through; the main window logic keeps
// working with the whole list, so line numbers are translated both ways.
#include <string>
#include <vector>

namespace kalivo {

struct ListEntry {
    std::string text;    // the line as shown (UTF-8)
    std::string name;    // what find looks at: the registration or bank name (UTF-8)
    bool header = false;
    bool empty = false;  // a slot without registration
};

class FilteredList {
public:
    void Set(std::vector<ListEntry> entries);
    // "" shows every line.
    void SetFilter(const std::string& text);
    const std::string& Filter() const { return filter_; }

    std::vector<std::string> ShownTexts() const;
    std::vector<bool> ShownKinds() const;
    // Line of the whole list for a shown line, -1 when there is none (without
    // a filter every line is its own).
    int ToFull(int shownLine) const;
    // Shown line of a line of the whole list, -1 when the filter hides it.
    int ToShown(int fullLine) const;
    // The shown line nearest to a line of the whole list (for scrolling).
    int NearestShown(int fullLine) const;
    int FullCount() const { return static_cast<int>(entries_.size()); }
    const ListEntry* At(int fullLine) const;
    int RegistrationCount() const;

    // Whether text contains part, letters compared without case (the
    // instruments' character set decides what a letter is).
    static bool ContainsNoCase(const std::string& text, const std::string& part);

private:
    void Narrow();

    std::vector<ListEntry> entries_;
    std::string filter_;
    std::vector<int> shown_;  // lines of the whole list, in order
};

}  // namespace kalivo
