#include "web/WebUserInterface.h"

#include <emscripten.h>

#include <cstdlib>
#include <sstream>
#include <utility>

#include "ui/BankSelection.h"
#include "ui/ChangeNameFilter.h"
#include "web/JsonText.h"
#include "web/WebChoiceDialogs.h"
#include "web/WebPageDialog.h"
#include "web/WebViewDialogs.h"

namespace kalivo {

namespace {

EM_JS(void, PageWait, (int waiting), { Module.page.wait(waiting !== 0); });

std::optional<int> ToInt(const std::optional<std::string>& text) {
    if (!text || text->empty()) {
        return std::nullopt;
    }
    char* end = nullptr;
    const long value = std::strtol(text->c_str(), &end, 10);
    if (*end != '\0') {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

// "Text Files|*.txt|HTML|*.htm||": the names and patterns, in pairs.
std::string FilterList(const std::string& filter) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(filter);
    while (std::getline(in, part, '|')) {
        parts.push_back(part);
    }
    std::string out = "[";
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].empty()) {
            break;
        }
        out += (i == 0 ? "" : ",") + JsonText().Add("name", parts[i]).Add("pattern", parts[i + 1]).Text();
    }
    return out + "]";
}

}  // namespace

Answer WebUserInterface::AskQuestion(const std::string& text, const std::string& title, const std::string& buttons,
                                     bool defaultNo, Answer onClose) {
    const auto answer = WebPageDialog::Ask("question", JsonText()
                                            .Add("text", text)
                                            .Add("title", title)
                                            .AddRaw("buttons", buttons)
                                            .Add("defaultNo", defaultNo)
                                            .Text());
    if (answer == "Yes") {
        return Answer::Yes;
    }
    return answer == "No" ? Answer::No : onClose;
}

void WebUserInterface::ShowMessage(const std::string& text, const std::string& title) {
    WebPageDialog::Ask("message", JsonText().Add("text", text).Add("title", title).Text());
}

bool WebUserInterface::AskYesNo(const std::string& text, const std::string& title) {
    return AskQuestion(text, title, R"(["Yes","No"])", false, Answer::No) == Answer::Yes;
}

Answer WebUserInterface::AskYesNoCancel(const std::string& text, const std::string& title) {
    return AskQuestion(text, title, R"(["Yes","No","Cancel"])", false, Answer::Cancel);
}

Answer WebUserInterface::AskYesNoOrClose(const std::string& text, const std::string& title, bool defaultNo) {
    return AskQuestion(text, title, R"(["Yes","No"])", defaultNo, Answer::Cancel);
}

std::string WebUserInterface::ChooseFolder(const std::string& title) {
    return WebPageDialog::Ask("folder", JsonText().Add("title", title).Text()).value_or(std::string());
}

std::optional<SaveAsChoice> WebUserInterface::ChooseSaveFile(const SaveAsRequest& request) {
    const auto answer = WebPageDialog::Ask("saveFile", JsonText()
                                            .Add("fileName", request.fileName)
                                            .Add("defaultExtension", request.defaultExtension)
                                            .AddRaw("filters", FilterList(request.filter))
                                            .Text());
    // "<filter index>\n<path>"
    const std::size_t newline = answer ? answer->find('\n') : std::string::npos;
    if (newline == std::string::npos) {
        return std::nullopt;
    }
    const auto filter = ToInt(answer->substr(0, newline));
    if (!filter || *filter < 0) {
        return std::nullopt;
    }
    return SaveAsChoice{answer->substr(newline + 1), static_cast<std::size_t>(*filter)};
}

void WebUserInterface::BeginWait() { PageWait(1); }

void WebUserInterface::EndWait() { PageWait(0); }

// Opens on the current line, or on the only one; OK without a line says why.
int WebUserInterface::AskForLine(const char* dialog, const std::vector<std::string>& names, int current,
                                 const char* nothingChosen) {
    const int opening = current >= 0 ? current : (names.size() == 1 ? 0 : -1);
    const auto line = ToInt(WebPageDialog::Ask(dialog, JsonText()
                                                           .AddRaw("names", JsonText::Strings(names))
                                                           .Add("current", opening)
                                                           .Add("nothingChosen", nothingChosen)
                                                           .Text()));
    return line && *line >= 0 && *line < static_cast<int>(names.size()) ? *line : -1;
}

int WebUserInterface::SelectArchive(const std::vector<std::string>& names, int current) {
    return AskForLine("selectArchive", names, current, kChooseArchiveFirst);
}

int WebUserInterface::SelectModel(const std::vector<std::string>& names, int current) {
    return AskForLine("selectModel", names, current, kChooseModelFirst);
}

std::optional<std::vector<int>> WebUserInterface::SelectBanks(const std::vector<std::string>& names) {
    const auto answer = WebPageDialog::Ask("selectBanks", JsonText()
                                               .AddRaw("names", JsonText::Strings(names))
                                               .Add("most", kMaxSelectedBanks)
                                               .Add("current", names.size() == 1 ? 0 : -1)
                                               .Add("nothingChosen", kChooseBanksFirst)
                                               .Text());
    if (!answer) {
        return std::nullopt;
    }
    std::vector<int> lines;
    std::istringstream in(*answer);
    std::string item;
    while (std::getline(in, item, ',')) {
        const auto line = ToInt(item);
        if (line && *line >= 0 && *line < static_cast<int>(names.size())) {
            lines.push_back(*line);
        }
    }
    return NormalizeBankSelection(std::move(lines));
}

std::string WebUserInterface::ChangeArchiveName(const ArchiveNameRequest& request) {
    return WebPageDialog::Ask("changeArchiveName", JsonText()
                                        .Add("current", request.current)
                                        .Add("maxLength", request.maxLength)
                                        .Add("diskNameLength", request.diskNameLength)
                                        .Text())
        .value_or(std::string());
}

std::string WebUserInterface::ChangeName(const std::string& current, int maxLength) {
    return WebPageDialog::Ask("changeName", JsonText()
                                 .Add("current", ChangeNameFilter::TrimTrailingSpaces(current))
                                 .Add("maxLength", maxLength)
                                 .Text())
        .value_or(std::string());
}

void WebUserInterface::ShowAbout() { WebPageDialog::Ask("about", JsonText().Add("version", KALIVO_VERSION).Text()); }

void WebUserInterface::NotYet(const char* dialog) {
    ShowMessage(std::string("The dialog \"") + dialog + "\" is not in the browser edition yet; nothing was changed.",
                kProgramTitle);
}

bool WebUserInterface::EditOptions(const std::string& modelName, StyleArchiveOptions& options) {
    return WebChoiceDialogs::Options(*this, modelName, options);
}

bool WebUserInterface::AskFlashStyles() {
    return AskQuestion("Use Flash Style Names from Style archive?", "Flash Styles", R"(["Yes","No"])", false,
                       Answer::No) == Answer::Yes;
}

std::optional<EditBankResult> WebUserInterface::EditBank(const EditBankRequest& request) {
    return WebChoiceDialogs::EditBank(request);
}

std::optional<std::string> WebUserInterface::EditIcon(const std::string& title, const std::string& currentCode) {
    return WebChoiceDialogs::EditIcon(title, currentCode);
}

std::optional<std::string> WebUserInterface::SelectIcon(const SelectIconRequest& /*request*/) {
    NotYet("Select Icon");
    return std::nullopt;
}

std::optional<std::vector<bool>> WebUserInterface::CopyRegistrationSettings(const CopySettingsRequest& request) {
    return WebChoiceDialogs::CopySettings(request);
}

std::optional<GpBlockBoxStates> WebUserInterface::CopyGpBlocks(const GpBlockCopyRequest& request) {
    return WebChoiceDialogs::GpBlocks(request);
}

void WebUserInterface::ViewBank(const ViewBankRequest& request) { WebViewDialogs::Bank(request); }

void WebUserInterface::ViewTyrosRegistration(const TyrosRegistrationView& view) { WebViewDialogs::Tyros(view); }

void WebUserInterface::ViewCvp2Registration(const Cvp2RegistrationView& view) { WebViewDialogs::Cvp2(view); }

void WebUserInterface::ViewRegistration(const RegistrationView& view) { WebViewDialogs::Simple(view); }

}  // namespace kalivo
