#pragma once
// Creation of components by the class names the layouts use. The framework's
// classes are registered from the start; the skinned toolkit adds its own.
#include "ui/Component.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace ui {

class ClassRegistry {
public:
    using Factory = std::function<std::unique_ptr<TComponent>(TComponent *owner)>;

    template <typename T> void Register(const std::string &className)
    {
        factories_[className] = [](TComponent *owner) { return std::make_unique<T>(owner); };
    }
    // A new component of that class, or null for a class nobody registered.
    std::unique_ptr<TComponent> Create(const std::string &className, TComponent *owner) const;

private:
    std::map<std::string, Factory, std::less<>> factories_;
};

// The process's registry.
ClassRegistry &Classes();

} // namespace ui
