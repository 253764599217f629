#include "ui/LayoutReader.h"

#include "ui/ClassRegistry.h"
#include "ui/Form.h"

#include <windows.h>

namespace ui {
namespace {

// Layout files are UTF-8; the program's strings are in the system code page.
std::string Utf8ToAnsi(const std::string &text)
{
    if (text.empty())
        return text;
    const int wideLength = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(),
                                               static_cast<int>(text.size()), nullptr, 0);
    if (wideLength <= 0)
        throw std::invalid_argument("invalid UTF-8 in a string");
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), wideLength);
    const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, ansi.data(), length, nullptr, nullptr);
    return ansi;
}

const char *KindName(LayoutValue::Kind kind)
{
    switch (kind) {
    case LayoutValue::Kind::Integer:
        return "a number";
    case LayoutValue::Kind::String:
        return "a string";
    case LayoutValue::Kind::Identifier:
        return "a name";
    case LayoutValue::Kind::Set:
        return "a set";
    }
    return "a value";
}

} // namespace

LayoutReader::LayoutReader(TForm &form, PictureStore *pictures)
    : form_(form), pictures_(pictures), page_(form.ClassName())
{
}

void LayoutReader::Read(std::string_view layoutText)
{
    LayoutObject root;
    try {
        root = ParseLayout(layoutText);
    } catch (const LayoutSyntaxError &error) {
        throw LayoutError("Layout of " + page_ + ", " + error.what());
    }
    page_ = root.name;
    line_ = root.line;
    component_ = root.name;
    if (root.className != form_.ClassName())
        Fail("the layout is for class '" + root.className + "', the page is " + form_.ClassName());
    form_.SetName(root.name);
    form_.BeginLoading();
    ReadObject(root, form_);
    ResolveReferences();
    form_.Loaded();
    for (TComponent *component : created_)
        component->Loaded();
}

void LayoutReader::ReadObject(const LayoutObject &object, TComponent &component)
{
    for (const LayoutProperty &property : object.properties) {
        component_ = object.name;
        property_ = property.name;
        line_ = property.line;
        if (!component.SetProperty(property.name, property.value, *this))
            Fail("unknown property '" + property.name + "'");
    }
    ReadChildren(object, component);
}

void LayoutReader::ReadChildren(const LayoutObject &object, TComponent &container)
{
    for (const LayoutObject &child : object.children) {
        component_ = child.name;
        property_.clear();
        line_ = child.line;
        if (form_.FindComponent(child.name) || child.name == form_.Name())
            Fail("a component of this name exists already");
        std::unique_ptr<TComponent> created = Classes().Create(child.className, &form_);
        if (!created)
            Fail("unknown class '" + child.className + "'");
        created->SetName(child.name);
        created->BeginLoading();
        TComponent &component = form_.InsertComponent(std::move(created));
        created_.push_back(&component);
        if (auto *control = dynamic_cast<TControl *>(&component)) {
            auto *parent = dynamic_cast<TWinControl *>(&container);
            if (!parent)
                Fail("a control must stand inside a windowed control, not inside " + object.name);
            control->SetParent(parent);
        }
        ReadObject(child, component);
    }
}

void LayoutReader::ResolveReferences()
{
    for (PendingReference &reference : references_) {
        component_ = reference.component;
        property_ = reference.property;
        line_ = reference.line;
        TComponent *target = reference.target == form_.Name() ? &form_ : form_.FindComponent(reference.target);
        if (!target)
            Fail("unknown component '" + reference.target + "'");
        reference.assign(*target);
    }
    references_.clear();
}

void LayoutReader::Fail(const std::string &message) const
{
    std::string text = "Layout of " + page_ + ", line " + std::to_string(line_) + ", component " + component_;
    if (!property_.empty())
        text += ", property " + property_;
    throw LayoutError(text + ": " + message);
}

int LayoutReader::Integer(const LayoutValue &value)
{
    if (value.kind != LayoutValue::Kind::Integer)
        Fail(std::string("expected a number, found ") + KindName(value.kind));
    if (value.integer < INT32_MIN || value.integer > INT32_MAX)
        Fail("number out of range");
    return static_cast<int>(value.integer);
}

bool LayoutReader::Boolean(const LayoutValue &value)
{
    return Enum<bool>(value, {{"True", true}, {"False", false}});
}

std::string LayoutReader::String(const LayoutValue &value)
{
    if (value.kind != LayoutValue::Kind::String)
        Fail(std::string("expected a string, found ") + KindName(value.kind));
    try {
        return Utf8ToAnsi(value.text);
    } catch (const std::invalid_argument &error) {
        Fail(error.what());
    }
}

const std::string &LayoutReader::Identifier(const LayoutValue &value)
{
    if (value.kind != LayoutValue::Kind::Identifier)
        Fail(std::string("expected a name, found ") + KindName(value.kind));
    return value.text;
}

TColor LayoutReader::Color(const LayoutValue &value)
{
    if (value.kind == LayoutValue::Kind::Integer)
        return static_cast<TColor>(static_cast<std::uint32_t>(value.integer));
    return Enum<TColor>(value, {{"clBtnFace", clBtnFace},
                                {"clBtnShadow", clBtnShadow},
                                {"clWindow", clWindow},
                                {"clWindowText", clWindowText},
                                {"clGrayText", clGrayText},
                                {"clBlack", clBlack},
                                {"clWhite", clWhite},
                                {"clBlue", clBlue},
                                {"clNavy", clNavy}});
}

TCursor LayoutReader::Cursor(const LayoutValue &value)
{
    if (value.kind == LayoutValue::Kind::Integer)
        return Integer(value);
    return Enum<TCursor>(value, {{"crDefault", crDefault}, {"crArrow", crArrow}, {"crHandPoint", crHandPoint}});
}

TFontStyles LayoutReader::FontStyles(const LayoutValue &value)
{
    if (value.kind != LayoutValue::Kind::Set)
        Fail(std::string("expected a set, found ") + KindName(value.kind));
    TFontStyles styles;
    for (const std::string &item : value.items) {
        if (item == "fsBold")
            styles.bold = true;
        else if (item == "fsItalic")
            styles.italic = true;
        else if (item == "fsUnderline")
            styles.underline = true;
        else if (item == "fsStrikeOut")
            styles.strikeOut = true;
        else
            Fail("unknown font style '" + item + "'");
    }
    return styles;
}

TNotifyEvent LayoutReader::NotifyHandler(const LayoutValue &value)
{
    const std::string &name = Identifier(value);
    EventHandler handler = form_.FindHandler(name);
    if (std::holds_alternative<std::monostate>(handler))
        Fail("unknown handler '" + name + "'");
    if (auto *notify = std::get_if<TNotifyEvent>(&handler))
        return std::move(*notify);
    Fail("handler '" + name + "' takes mouse arguments, this event does not");
}

TMouseEvent LayoutReader::MouseHandler(const LayoutValue &value)
{
    const std::string &name = Identifier(value);
    EventHandler handler = form_.FindHandler(name);
    if (std::holds_alternative<std::monostate>(handler))
        Fail("unknown handler '" + name + "'");
    if (auto *mouse = std::get_if<TMouseEvent>(&handler))
        return std::move(*mouse);
    Fail("handler '" + name + "' takes no mouse arguments, this event has them");
}

void LayoutReader::Reference(const LayoutValue &value, std::function<void(TComponent &)> assign)
{
    references_.push_back({Identifier(value), std::move(assign), component_, property_, line_});
}

void LayoutReader::Png(const LayoutValue &value, std::function<void(std::shared_ptr<const TPngImage>)> assign)
{
    if (value.kind != LayoutValue::Kind::String)
        Fail(std::string("expected a picture resource name, found ") + KindName(value.kind));
    std::shared_ptr<const TPngImage> picture;
    try {
        picture = pictures_ ? pictures_->Find(value.text) : PictureStore::Read(value.text);
    } catch (const PngError &error) {
        Fail("picture '" + value.text + "': " + error.what());
    }
    if (!picture)
        Fail("no picture resource '" + value.text + "'");
    assign(std::move(picture));
}

} // namespace ui
