#include "web/WebForm.h"

#include "web/JsonText.h"
#include "web/WebPageDialog.h"

namespace kalivo {

WebForm& WebForm::Section(const std::string& caption) {
    tables_.push_back({caption, {}});
    return *this;
}

WebForm& WebForm::Row() {
    if (tables_.empty()) {
        Section();
    }
    tables_.back().rows.emplace_back();
    return *this;
}

void WebForm::Add(const std::string& cell) {
    if (tables_.empty() || tables_.back().rows.empty()) {
        Row();
    }
    tables_.back().rows.back().push_back(cell);
}

WebForm& WebForm::Label(const std::string& text, int span, bool hidden) {
    Add(JsonText().Add("label", text).Add("span", span).Add("hidden", hidden).Text());
    return *this;
}

WebForm& WebForm::Value(const std::string& name, const std::string& text, int chars, int span, bool hidden) {
    Add(JsonText()
            .Add("name", name)
            .Add("value", text)
            .Add("chars", chars)
            .Add("span", span)
            .Add("hidden", hidden)
            .Text());
    return *this;
}

WebForm& WebForm::Empty() {
    Add("{}");
    return *this;
}

std::string WebForm::Json() const {
    std::string tables = "[";
    for (const Table& table : tables_) {
        std::string rows = "[";
        for (const auto& row : table.rows) {
            std::string cells = "[";
            for (const std::string& cell : row) {
                cells += (cells.size() > 1 ? "," : "") + cell;
            }
            rows += (rows.size() > 1 ? "," : "") + cells + "]";
        }
        tables += (tables.size() > 1 ? "," : "") +
                  JsonText().Add("caption", table.caption).AddRaw("rows", rows + "]").Text();
    }
    return JsonText().Add("title", title_).Add("button", button_).AddRaw("tables", tables + "]").Text();
}

void WebForm::Show() const { WebPageDialog::Ask("view", Json()); }

}  // namespace kalivo
