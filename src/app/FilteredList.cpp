#include "app/FilteredList.h"

#include <algorithm>
#include <utility>

#include "common/text/Cp1252.h"

namespace kalivo {

namespace {

// Lower case of a Windows-1252 byte: ASCII, the Latin-1 letters (not the
// multiplication sign) and the few letters in 0x80..0x9F.
unsigned char Fold(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<unsigned char>(c + 0x20);
    }
    switch (c) {
        case 0x8A: return 0x9A;  // S caron
        case 0x8C: return 0x9C;  // OE
        case 0x8E: return 0x9E;  // Z caron
        case 0x9F: return 0xFF;  // Y diaeresis
        default: return c;
    }
}

std::string Folded(const std::string& utf8) {
    std::string text = Cp1252::FromUtf8(utf8);
    for (char& c : text) {
        c = static_cast<char>(Fold(static_cast<unsigned char>(c)));
    }
    return text;
}

}  // namespace

bool FilteredList::ContainsNoCase(const std::string& text, const std::string& part) {
    return Folded(text).find(Folded(part)) != std::string::npos;
}

void FilteredList::Set(std::vector<ListEntry> entries) {
    entries_ = std::move(entries);
    Narrow();
}

void FilteredList::SetFilter(const std::string& text) {
    filter_ = text;
    Narrow();
}

// A header stays when its own name or one of its registrations matches, and
// always above them.
void FilteredList::Narrow() {
    shown_.clear();
    int header = -1;
    bool headerShown = false;
    for (int line = 0; line < FullCount(); ++line) {
        const ListEntry& entry = entries_[static_cast<std::size_t>(line)];
        const bool match = filter_.empty() || (!entry.empty && ContainsNoCase(entry.name, filter_));
        if (entry.header) {
            header = line;
            headerShown = match;
            if (match) {
                shown_.push_back(line);
            }
            continue;
        }
        if (!match) {
            continue;
        }
        if (header >= 0 && !headerShown) {
            shown_.push_back(header);
            headerShown = true;
        }
        shown_.push_back(line);
    }
}

std::vector<std::string> FilteredList::ShownTexts() const {
    std::vector<std::string> texts;
    texts.reserve(shown_.size());
    for (int line : shown_) {
        texts.push_back(entries_[static_cast<std::size_t>(line)].text);
    }
    return texts;
}

std::vector<bool> FilteredList::ShownKinds() const {
    std::vector<bool> kinds;
    kinds.reserve(shown_.size());
    for (int line : shown_) {
        kinds.push_back(entries_[static_cast<std::size_t>(line)].header);
    }
    return kinds;
}

int FilteredList::ToFull(int shownLine) const {
    if (filter_.empty()) {
        return shownLine;  // unfiltered, the window's lines are the list's own
    }
    return shownLine >= 0 && shownLine < static_cast<int>(shown_.size()) ? shown_[static_cast<std::size_t>(shownLine)]
                                                                          : -1;
}

int FilteredList::ToShown(int fullLine) const {
    const auto it = std::lower_bound(shown_.begin(), shown_.end(), fullLine);
    return it != shown_.end() && *it == fullLine ? static_cast<int>(it - shown_.begin()) : -1;
}

int FilteredList::NearestShown(int fullLine) const {
    if (shown_.empty() || fullLine < 0) {
        return -1;
    }
    const auto it = std::lower_bound(shown_.begin(), shown_.end(), fullLine);
    return it == shown_.end() ? static_cast<int>(shown_.size()) - 1 : static_cast<int>(it - shown_.begin());
}

const ListEntry* FilteredList::At(int fullLine) const {
    return fullLine >= 0 && fullLine < FullCount() ? &entries_[static_cast<std::size_t>(fullLine)] : nullptr;
}

int FilteredList::RegistrationCount() const {
    return static_cast<int>(
        std::count_if(entries_.begin(), entries_.end(), [](const ListEntry& e) { return !e.header && !e.empty; }));
}

}  // namespace kalivo
