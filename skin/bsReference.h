#pragma once
// A layout reference to a component of a given toolkit class: the layout
// fails, naming the component, when it names one of another class.
#include "ui/LayoutReader.h"

#include <string>

namespace skin {

template <typename T, typename Assign>
void ReferenceTo(ui::LayoutReader &reader, const ui::LayoutValue &value, const char *className, Assign assign)
{
    reader.Reference(value, [&reader, className, assign](ui::TComponent &target) {
        auto *typed = dynamic_cast<T *>(&target);
        if (!typed)
            reader.Fail("'" + target.Name() + "' is not a " + className);
        assign(typed);
    });
}

} // namespace skin
