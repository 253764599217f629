#include "ui/Layout.h"

#include <cctype>

namespace ui {
namespace {

struct Token {
    enum class Kind { Name, Integer, String, Symbol, End };
    Kind kind = Kind::End;
    std::string text;
    std::int64_t integer = 0;
    int line = 1;
};

bool IsNameStart(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}

bool IsNamePart(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
}

class Lexer {
public:
    explicit Lexer(std::string_view text) : text_(text) {}

    Token Next()
    {
        SkipBlanksAndComments();
        Token token;
        token.line = line_;
        if (pos_ >= text_.size())
            return token;
        const char c = text_[pos_];
        if (IsNameStart(c)) {
            token.kind = Token::Kind::Name;
            const std::size_t start = pos_;
            while (pos_ < text_.size() && IsNamePart(text_[pos_]))
                ++pos_;
            token.text = std::string(text_.substr(start, pos_ - start));
        } else if (c == '\'') {
            token.kind = Token::Kind::String;
            token.text = ReadString();
        } else if (std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '+' || c == '$') {
            token.kind = Token::Kind::Integer;
            token.integer = ReadInteger();
        } else {
            token.kind = Token::Kind::Symbol;
            token.text = std::string(1, c);
            ++pos_;
        }
        return token;
    }

private:
    void SkipBlanksAndComments()
    {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '\n') {
                ++line_;
                ++pos_;
            } else if (c == ' ' || c == '\t' || c == '\r') {
                ++pos_;
            } else if (text_.substr(pos_, 2) == "//") {
                while (pos_ < text_.size() && text_[pos_] != '\n')
                    ++pos_;
            } else {
                return;
            }
        }
    }

    std::string ReadString()
    {
        std::string value;
        ++pos_;
        for (;;) {
            if (pos_ >= text_.size() || text_[pos_] == '\n')
                throw LayoutSyntaxError(line_, "unterminated string");
            const char c = text_[pos_++];
            if (c != '\'') {
                value += c;
            } else if (pos_ < text_.size() && text_[pos_] == '\'') {
                value += '\'';
                ++pos_;
            } else {
                return value;
            }
        }
    }

    std::int64_t ReadInteger()
    {
        bool negative = false;
        if (text_[pos_] == '-' || text_[pos_] == '+')
            negative = text_[pos_++] == '-';
        int base = 10;
        if (pos_ < text_.size() && text_[pos_] == '$') {
            base = 16;
            ++pos_;
        }
        std::int64_t value = 0;
        int digits = 0;
        for (; pos_ < text_.size(); ++pos_, ++digits) {
            const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text_[pos_])));
            int digit;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if (base == 16 && c >= 'a' && c <= 'f')
                digit = c - 'a' + 10;
            else
                break;
            value = value * base + digit;
            if (value > 0xFFFFFFFFLL)
                throw LayoutSyntaxError(line_, "number out of range");
        }
        if (digits == 0)
            throw LayoutSyntaxError(line_, "expected a number");
        if (pos_ < text_.size() && IsNamePart(text_[pos_]))
            throw LayoutSyntaxError(line_, "malformed number");
        return negative ? -value : value;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

class Parser {
public:
    explicit Parser(std::string_view text) : lexer_(text) { Advance(); }

    LayoutObject ParseFile()
    {
        if (current_.kind == Token::Kind::End)
            throw LayoutSyntaxError(current_.line, "the layout is empty");
        LayoutObject root = ParseObject();
        if (current_.kind != Token::Kind::End)
            throw LayoutSyntaxError(current_.line, "unexpected text after the last 'end'");
        return root;
    }

private:
    void Advance() { current_ = lexer_.Next(); }

    bool IsName(const char *word) const { return current_.kind == Token::Kind::Name && current_.text == word; }

    bool IsSymbol(char symbol) const
    {
        return current_.kind == Token::Kind::Symbol && current_.text[0] == symbol;
    }

    [[noreturn]] void Fail(const std::string &expected) const
    {
        const std::string found = current_.kind == Token::Kind::End ? "the end of the layout" : Describe(current_);
        throw LayoutSyntaxError(current_.line, "expected " + expected + ", found " + found);
    }

    static std::string Describe(const Token &token)
    {
        switch (token.kind) {
        case Token::Kind::Integer:
            return std::to_string(token.integer);
        case Token::Kind::String:
            return "a string";
        default:
            return "'" + token.text + "'";
        }
    }

    std::string ExpectName(const std::string &what)
    {
        if (current_.kind != Token::Kind::Name || current_.text.find('.') != std::string::npos)
            Fail(what);
        std::string name = current_.text;
        Advance();
        return name;
    }

    void ExpectSymbol(char symbol)
    {
        if (!IsSymbol(symbol))
            Fail(std::string("'") + symbol + "'");
        Advance();
    }

    LayoutObject ParseObject()
    {
        LayoutObject object;
        object.line = current_.line;
        if (!IsName("object"))
            Fail("'object'");
        Advance();
        object.name = ExpectName("a component name");
        ExpectSymbol(':');
        object.className = ExpectName("a class name");
        for (;;) {
            if (IsName("end")) {
                Advance();
                return object;
            }
            if (IsName("object"))
                object.children.push_back(ParseObject());
            else if (current_.kind == Token::Kind::Name)
                object.properties.push_back(ParseProperty());
            else
                Fail("a property, 'object' or 'end'");
        }
    }

    LayoutProperty ParseProperty()
    {
        LayoutProperty property;
        property.line = current_.line;
        property.name = current_.text;
        Advance();
        ExpectSymbol('=');
        property.value = ParseValue();
        return property;
    }

    LayoutValue ParseValue()
    {
        LayoutValue value;
        switch (current_.kind) {
        case Token::Kind::Integer:
            value.kind = LayoutValue::Kind::Integer;
            value.integer = current_.integer;
            Advance();
            return value;
        case Token::Kind::String:
            value.kind = LayoutValue::Kind::String;
            value.text = current_.text;
            Advance();
            return value;
        case Token::Kind::Name:
            if (current_.text == "object" || current_.text == "end")
                Fail("a value");
            value.kind = LayoutValue::Kind::Identifier;
            value.text = current_.text;
            Advance();
            return value;
        default:
            break;
        }
        if (!IsSymbol('['))
            Fail("a value");
        Advance();
        value.kind = LayoutValue::Kind::Set;
        if (IsSymbol(']')) {
            Advance();
            return value;
        }
        for (;;) {
            value.items.push_back(ExpectName("a set element"));
            if (IsSymbol(']')) {
                Advance();
                return value;
            }
            ExpectSymbol(',');
        }
    }

    Lexer lexer_;
    Token current_;
};

} // namespace

LayoutObject ParseLayout(std::string_view text)
{
    return Parser(text).ParseFile();
}

} // namespace ui
