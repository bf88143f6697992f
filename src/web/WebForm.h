#pragma once
// A read-only form of the page, laid out as the desktop dialog lays it out:
// tables of rows, each row labels and values in the desktop's columns, a
// table framed under a caption where the desktop has a group box. Built in
// order (Section, Row, then its cells) and shown with Show().
#include <string>
#include <utility>
#include <vector>

namespace kalivo {

class WebForm {
public:
    WebForm(std::string title, std::string button) : title_(std::move(title)), button_(std::move(button)) {}

    // A new table; a caption frames it.
    WebForm& Section(const std::string& caption = "");
    WebForm& Row();
    WebForm& Label(const std::string& text, int span = 1, bool hidden = false);
    // A read-only field named `name` for screen readers, about `chars` wide;
    // a hidden one keeps its room so the columns below stay put.
    WebForm& Value(const std::string& name, const std::string& text, int chars, int span = 1, bool hidden = false);
    WebForm& Empty();

    std::string Json() const;
    // Opens it and waits until the person closes it.
    void Show() const;

private:
    struct Table {
        std::string caption;
        std::vector<std::vector<std::string>> rows;  // each cell as JSON
    };
    void Add(const std::string& cell);

    std::string title_;
    std::string button_;
    std::vector<Table> tables_;
};

}  // namespace kalivo
