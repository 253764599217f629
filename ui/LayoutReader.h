#pragma once
// Builds a page from its stored layout: creates each component by class name,
// assigns its stored properties, binds its events to the page's handlers by
// name and resolves references between components once all are read.
#include "ui/Layout.h"
#include "ui/PictureStore.h"
#include "ui/Types.h"

#include <functional>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace ui {

class TComponent;
class TForm;
struct TFontStyles;

// A layout that cannot be built: what() names the page, the line, the
// component and the offending name.
class LayoutError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class LayoutReader {
public:
    // Pictures come from `pictures`, checked and decoded once and shared;
    // without a store each is read where it is named.
    explicit LayoutReader(TForm &form, PictureStore *pictures = nullptr);

    // Reads the layout text into the form: the root object's properties go to
    // the form itself, nested objects become its components.
    void Read(std::string_view layoutText);

    // Value conversions for SetProperty; each fails with a LayoutError when
    // the value has the wrong kind.
    int Integer(const LayoutValue &value);
    bool Boolean(const LayoutValue &value);
    std::string String(const LayoutValue &value); // in the system code page
    TColor Color(const LayoutValue &value);
    TCursor Cursor(const LayoutValue &value);
    TFontStyles FontStyles(const LayoutValue &value);
    template <typename E> E Enum(const LayoutValue &value, std::initializer_list<std::pair<std::string_view, E>> names)
    {
        const std::string &name = Identifier(value);
        for (const auto &[candidate, result] : names)
            if (candidate == name)
                return result;
        Fail("unknown value '" + name + "'");
    }
    const std::string &Identifier(const LayoutValue &value);

    // The page's handler of that name, which must fit the event's type.
    TNotifyEvent NotifyHandler(const LayoutValue &value);
    TMouseEvent MouseHandler(const LayoutValue &value);

    // Hands the named component of the page to `assign` once every component
    // has been read, so a component may refer to one declared after it.
    void Reference(const LayoutValue &value, std::function<void(TComponent &)> assign);

    // Hands the PNG picture bound into the executable as a resource of type
    // PNG to `assign` once it is checked, before any component's Loaded; it
    // is decoded when first drawn. A picture that fails the check fails the
    // layout like any other error.
    void Png(const LayoutValue &value, std::function<void(std::shared_ptr<const TPngImage>)> assign);

    [[noreturn]] void Fail(const std::string &message) const;

private:
    struct PendingReference {
        std::string target;
        std::function<void(TComponent &)> assign;
        std::string component;
        std::string property;
        int line;
    };

    void ReadObject(const LayoutObject &object, TComponent &component);
    void ReadChildren(const LayoutObject &object, TComponent &container);
    void ResolveReferences();

    TForm &form_;
    PictureStore *pictures_;
    std::string page_;
    std::string component_;
    std::string property_;
    int line_ = 0;
    std::vector<PendingReference> references_;
    std::vector<TComponent *> created_;
};

} // namespace ui
