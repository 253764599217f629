#pragma once
// The text form of a page layout: components, their stored properties and
// their nesting, as written in resources/layouts/*.layout.
//
//   object Form1: TForm1            // a component: name, class
//     Width = 588                   // integer (decimal, or $hex)
//     Caption = 'Form1'             // string, '' for a quote inside
//     Font.Style = [fsUnderline]    // set of identifiers
//     OnCreate = FormCreate         // identifier: enum value, handler, component
//     object Image1: TImage         // nested components
//       ...
//     end
//   end
//
// Dotted names reach into a property's parts (Font.Name). "//" starts a
// comment. Strings are UTF-8 in the file.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

struct LayoutValue {
    enum class Kind { Integer, String, Identifier, Set };
    Kind kind = Kind::Integer;
    std::int64_t integer = 0;
    std::string text;               // String and Identifier
    std::vector<std::string> items; // Set
};

struct LayoutProperty {
    std::string name;
    LayoutValue value;
    int line = 0;
};

struct LayoutObject {
    std::string name;
    std::string className;
    std::vector<LayoutProperty> properties;
    std::vector<LayoutObject> children;
    int line = 0;
};

// A layout text that does not follow the grammar; what() names the line.
class LayoutSyntaxError : public std::runtime_error {
public:
    LayoutSyntaxError(int line, const std::string &message)
        : std::runtime_error("line " + std::to_string(line) + ": " + message), line_(line)
    {
    }
    int line() const { return line_; }

private:
    int line_;
};

// Reads one layout: exactly one top-level object.
LayoutObject ParseLayout(std::string_view text);

} // namespace ui
