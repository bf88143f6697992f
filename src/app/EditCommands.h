#pragma once
// The window's commands that change the destination's registrations: Delete,
// Rename, Archivename, ">>" and Group Copy, each one undoable step.
#include <memory>
#include <string>

namespace kalivo {

class MainDialog;
struct HandlerSnapshot;

class EditCommands {
public:
    explicit EditCommands(MainDialog& dialog) : d_(dialog) {}

    void Delete();
    void Rename();
    void Archivename();
    // True when a name was given (and is now the archive's).
    bool AskArchiveName();
    void Copy();
    void GroupCopy();

private:
    void CopyWholeBank();
    bool CopySingle(bool group);
    void FinishCopy(std::shared_ptr<const HandlerSnapshot> before, const std::string& what);

    MainDialog& d_;
};

}  // namespace kalivo
