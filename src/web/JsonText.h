#pragma once
// The little JSON the glue hands to the page: strings, lists of strings and
// flat objects, built by appending. Texts are UTF-8 and pass through as they are.
#include <string>
#include <vector>

namespace kalivo {

class JsonText {
public:
    static std::string Quote(const std::string& text);
    static std::string Strings(const std::vector<std::string>& texts);
    static std::string Bools(const std::vector<bool>& values);

    // An object written member by member: Add("name", value) in order, then Text().
    JsonText& Add(const char* key, const std::string& text);
    JsonText& Add(const char* key, const char* text) { return Add(key, std::string(text)); }
    JsonText& Add(const char* key, int number);
    JsonText& Add(const char* key, bool value);
    // A value that is already JSON (a list, an object).
    JsonText& AddRaw(const char* key, const std::string& json);
    std::string Text() const { return "{" + members_ + "}"; }

private:
    void Key(const char* key);
    std::string members_;
};

}  // namespace kalivo
