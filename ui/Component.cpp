#include "ui/Component.h"

#include "ui/LayoutReader.h"

namespace ui {

TComponent::TComponent(TComponent *owner) : owner_(owner) {}

TComponent::~TComponent()
{
    DestroyComponents();
}

TComponent &TComponent::InsertComponent(std::unique_ptr<TComponent> component)
{
    component->owner_ = this;
    components_.push_back(std::move(component));
    return *components_.back();
}

TComponent *TComponent::FindComponent(std::string_view name) const
{
    for (const auto &component : components_)
        if (!component->name_.empty() && component->name_ == name)
            return component.get();
    return nullptr;
}

bool TComponent::SetProperty(std::string_view, const LayoutValue &, LayoutReader &)
{
    return false;
}

void TComponent::DestroyComponents()
{
    while (!components_.empty()) {
        std::unique_ptr<TComponent> last = std::move(components_.back());
        components_.pop_back();
        Notification(*last);
        for (const auto &other : components_)
            other->Notification(*last);
        last.reset();
    }
}

} // namespace ui
