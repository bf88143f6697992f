// The entry points the page calls: one per thing the person does in the
// window. Those that may open a dialog are called with { async: true }, as
// the core then waits for the answer.
#include <emscripten.h>

#include <sstream>
#include <string>
#include <vector>

#include "common/disk/DiskName.h"
#include "common/text/Cp1252.h"
#include "ui/ChangeNameFilter.h"
#include "ui/bank/EditBankFilter.h"
#include "ui/bank/EditIconFilter.h"
#include "web/WebCommands.h"
#include "web/WebSession.h"

using kalivo::Pane;
using kalivo::WebSession;

namespace {

Pane PaneOf(int pane) { return pane == 0 ? Pane::Source : Pane::Destination; }

// Results handed back as C strings stay here until the next such call.
std::string& Returned() {
    static std::string text;
    return text;
}

int& ReturnedCaret() {
    static int caret = 0;
    return caret;
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void kalivo_start() { WebSession::Start(); }

// False for a name no command has.
EMSCRIPTEN_KEEPALIVE int kalivo_run(const char* command) {
    const auto known = kalivo::WebCommands::Named(command);
    if (!known || WebSession::Current() == nullptr) {
        return 0;
    }
    WebSession::Current()->Dialog().Run(*known);
    return 1;
}

// Whether the right pane holds changes not stored (the page then asks before it is left).
EMSCRIPTEN_KEEPALIVE int kalivo_changed() {
    return WebSession::Current() != nullptr && WebSession::Current()->Dialog().Changed() ? 1 : 0;
}

// The page writes what a store put into a folder after the command; the folder refused it.
EMSCRIPTEN_KEEPALIVE void kalivo_store_not_on_disk(const char* status) {
    WebSession::Current()->Dialog().StoreNotOnDisk(status);
}

EMSCRIPTEN_KEEPALIVE const char* kalivo_command_states() {
    Returned() = WebSession::Current()->View().CommandStates();
    return Returned().c_str();
}

EMSCRIPTEN_KEEPALIVE void kalivo_select(int pane, int line) {
    auto& dialog = WebSession::Current()->Dialog();
    if (PaneOf(pane) == Pane::Source) {
        dialog.SourceSelectionChanged(line);
    } else {
        dialog.DestinationSelectionChanged(line);
    }
}

EMSCRIPTEN_KEEPALIVE void kalivo_double_click(int pane) {
    auto& dialog = WebSession::Current()->Dialog();
    if (PaneOf(pane) == Pane::Source) {
        dialog.SourceDoubleClicked();
    } else {
        dialog.DestinationDoubleClicked();
    }
}

EMSCRIPTEN_KEEPALIVE void kalivo_set_filter(int pane, const char* text) {
    WebSession::Current()->Dialog().SetFilter(PaneOf(pane), text);
    WebSession::Current()->View().CommandStatesChanged();
}

EMSCRIPTEN_KEEPALIVE void kalivo_drop_line(int sourceLine, int destinationLine) {
    WebSession::Current()->Dialog().DropOnDestination(sourceLine, destinationLine);
}

// Paths in the in-memory file system, one a line.
EMSCRIPTEN_KEEPALIVE int kalivo_drop_files(const char* paths) {
    std::vector<std::string> list;
    std::istringstream in(paths);
    for (std::string path; std::getline(in, path);) {
        if (!path.empty()) {
            list.push_back(path);
        }
    }
    const bool loaded = WebSession::Current()->Dialog().DropOnSource(list);
    WebSession::Current()->View().CommandStatesChanged();
    return loaded ? 1 : 0;
}

// The name dialogs' character rules, on one byte per character (Latin-1), as
// typed: the text after the edit and where the caret is then.
// rule 0: Change Name, 1: a short name on a floppy disk.
EMSCRIPTEN_KEEPALIVE const char* kalivo_filter_edit(int rule, const char* before, int beforeLength, const char* text,
                                                    int textLength, int caret) {
    const std::string previous(before, static_cast<std::size_t>(beforeLength));
    Returned().assign(text, static_cast<std::size_t>(textLength));
    ReturnedCaret() = caret;
    kalivo::ChangeNameFilter::FilterEdit(previous, Returned(), ReturnedCaret(),
                                         rule == 1 ? kalivo::DiskName::Accepts : kalivo::ChangeNameFilter::IsAllowed);
    return Returned().c_str();
}

EMSCRIPTEN_KEEPALIVE int kalivo_filter_caret() { return ReturnedCaret(); }

EMSCRIPTEN_KEEPALIVE int kalivo_name_fits(const char* text, const char* initial, int maxLength) {
    return kalivo::ChangeNameFilter::FitsOrUnchanged(text, initial, maxLength) ? 1 : 0;
}

// How a name (UTF-8) is kept as a short name of `length` characters.
EMSCRIPTEN_KEEPALIVE const char* kalivo_disk_name(const char* text, int length) {
    Returned() = kalivo::Cp1252::ToUtf8(
        kalivo::DiskName::Stored(kalivo::Cp1252::FromUtf8(text), static_cast<std::size_t>(length)));
    return Returned().c_str();
}

// Edit Sequence: the digits the bank's registrations allow, cut to the most it keeps.
EMSCRIPTEN_KEEPALIVE const char* kalivo_filter_sequence(const char* text, const char* usedSlots) {
    Returned() = text;
    kalivo::EditBankFilter::FilterSequence(Returned(), usedSlots);
    return Returned().c_str();
}

// Edit Icon: digits only, three at most; the caret as kalivo_filter_edit leaves it.
EMSCRIPTEN_KEEPALIVE const char* kalivo_filter_icon(const char* text, int caret) {
    Returned() = text;
    ReturnedCaret() = caret;
    kalivo::EditIconFilter::FilterTyped(Returned(), ReturnedCaret());
    return Returned().c_str();
}

}  // extern "C"

int main() { return 0; }
