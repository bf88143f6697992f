#include "web/WebView.h"

#include <emscripten.h>

#include "app/CommandRules.h"
#include "app/MainDialog.h"
#include "web/JsonText.h"
#include "web/WebCommands.h"

namespace kalivo {

namespace {

// The page object the script handed to the module when it made it.
EM_JS(void, PageCall, (const char* method, const char* json), {
    Module.page[UTF8ToString(method)](JSON.parse(UTF8ToString(json)));
});

void Call(const char* method, const std::string& json) { PageCall(method, json.c_str()); }

const char* PaneName(Pane pane) { return pane == Pane::Source ? "source" : "destination"; }

const char* FieldName(EditField field) {
    switch (field) {
        case EditField::SourceCaption: return "sourceCaption";
        case EditField::SourceArchive: return "sourceArchive";
        case EditField::ModelName: return "modelName";
        case EditField::DestinationCaption: return "destinationCaption";
        case EditField::DestinationArchive: return "destinationArchive";
    }
    return "";
}

const char* ButtonCommand(ModelButton button) {
    switch (button) {
        case ModelButton::Options: return WebCommands::NameOf(Command::Options);
        case ModelButton::Archivename: return WebCommands::NameOf(Command::Archivename);
        case ModelButton::GroupCopy: return WebCommands::NameOf(Command::GroupCopy);
        case ModelButton::EditSequence: return WebCommands::NameOf(Command::EditSequence);
        case ModelButton::EditIcon: return WebCommands::NameOf(Command::EditIcon);
        case ModelButton::DefaultRevoice: return WebCommands::NameOf(Command::DefaultRevoice);
    }
    return "";
}

}  // namespace

void WebView::SetLines(Pane pane, const std::vector<std::string>& lines) {
    Call("setLines", JsonText().Add("pane", PaneName(pane)).AddRaw("lines", JsonText::Strings(lines)).Text());
}

void WebView::SetLineKinds(Pane pane, const std::vector<bool>& isBankHeader) {
    Call("setLineKinds", JsonText().Add("pane", PaneName(pane)).AddRaw("headers", JsonText::Bools(isBankHeader)).Text());
}

void WebView::SelectLine(Pane pane, int line) {
    Call("selectLine", JsonText().Add("pane", PaneName(pane)).Add("line", line).Text());
}

void WebView::KeepLineInView(Pane pane, int line) {
    Call("keepLineInView", JsonText().Add("pane", PaneName(pane)).Add("line", line).Text());
}

void WebView::ScrollToTop(Pane pane) { Call("scrollToTop", JsonText().Add("pane", PaneName(pane)).Text()); }

void WebView::FocusList(Pane pane) { Call("focusList", JsonText().Add("pane", PaneName(pane)).Text()); }

void WebView::ClearFind(Pane pane) { Call("clearFind", JsonText().Add("pane", PaneName(pane)).Text()); }

void WebView::SetEditText(EditField field, const std::string& text) {
    Call("setEditText", JsonText().Add("field", FieldName(field)).Add("text", text).Text());
}

void WebView::SetButtonVisible(ModelButton button, bool visible) {
    Call("setButtonVisible", JsonText().Add("command", ButtonCommand(button)).Add("visible", visible).Text());
}

void WebView::SetEnabled(bool enabled) { Call("setEnabled", JsonText().Add("enabled", enabled).Text()); }

void WebView::ShowStatus(const std::string& text) { Call("showStatus", JsonText().Add("text", text).Text()); }

void WebView::CommandStatesChanged() {
    if (dialog_ != nullptr) {
        Call("setCommandStates", CommandStates());
    }
}

std::string WebView::CommandStates() const {
    JsonText states;
    for (int i = 0; i < WebCommands::kCount; ++i) {
        const auto command = static_cast<Command>(i);
        const CommandState state = CommandRules::StateOf(*dialog_, command);
        states.AddRaw(WebCommands::NameOf(command), JsonText()
                                                        .Add("visible", state.visible)
                                                        .Add("enabled", state.enabled)
                                                        .Add("whyNot", state.whyNot)
                                                        .Text());
    }
    return states.Text();
}

void WebView::Close() { Call("close", "{}"); }

}  // namespace kalivo
