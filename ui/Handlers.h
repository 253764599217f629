#pragma once
// Binding of layout event names to a page's handler methods.
//
//   ui::EventHandler TForm1::FindHandler(std::string_view name)
//   {
//       return ui::BindHandler(*this, name, {
//           {"FormCreate", &TForm1::FormCreate},
//           {"Image1MouseDown", &TForm1::Image1MouseDown},
//       });
//   }
#include "ui/Types.h"

#include <initializer_list>
#include <string_view>
#include <variant>

namespace ui {

// A handler found by name: none, or bound to the page, in the form of the
// event it serves.
using EventHandler = std::variant<std::monostate, TNotifyEvent, TMouseEvent>;

template <typename Page> struct HandlerEntry {
    using Notify = void (Page::*)(TObject *);
    using Mouse = void (Page::*)(TObject *, TMouseButton, TShiftState, int, int);
    std::string_view name;
    std::variant<Notify, Mouse> method;
};

template <typename Page>
EventHandler BindHandler(Page &page, std::string_view name, std::initializer_list<HandlerEntry<Page>> table)
{
    for (const HandlerEntry<Page> &entry : table) {
        if (entry.name != name)
            continue;
        if (auto notify = std::get_if<typename HandlerEntry<Page>::Notify>(&entry.method)) {
            return TNotifyEvent([&page, method = *notify](TObject *sender) { (page.*method)(sender); });
        }
        auto mouse = std::get<typename HandlerEntry<Page>::Mouse>(entry.method);
        return TMouseEvent([&page, mouse](TObject *sender, TMouseButton button, TShiftState shift, int x, int y) {
            (page.*mouse)(sender, button, shift, x, y);
        });
    }
    return {};
}

} // namespace ui
