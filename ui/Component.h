#pragma once
// The root of the framework's classes: named components that own the
// components created with them as owner.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

struct LayoutValue;
class LayoutReader;

class TObject {
public:
    virtual ~TObject() = default;
};

class TComponent : public TObject {
public:
    explicit TComponent(TComponent *owner);
    ~TComponent() override;
    TComponent(const TComponent &) = delete;
    TComponent &operator=(const TComponent &) = delete;

    // The class name the layouts use for this component.
    virtual std::string ClassName() const { return "TComponent"; }

    const std::string &Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    TComponent *Owner() const { return owner_; }

    // Creates a component owned by this one; the owner destroys it.
    template <typename T, typename... Args> T &CreateComponent(Args &&...args)
    {
        auto component = std::make_unique<T>(this, std::forward<Args>(args)...);
        T &result = *component;
        InsertComponent(std::move(component));
        return result;
    }
    TComponent &InsertComponent(std::unique_ptr<TComponent> component);
    const std::vector<std::unique_ptr<TComponent>> &Components() const { return components_; }
    TComponent *FindComponent(std::string_view name) const;

    // Assigns one stored property from a layout; false when this class has
    // no property of that name (the reader then reports it).
    virtual bool SetProperty(std::string_view name, const LayoutValue &value, LayoutReader &reader);
    // Runs once after the whole layout has been read and its references resolved.
    virtual void Loaded() { loading_ = false; }
    bool Loading() const { return loading_; }
    void BeginLoading() { loading_ = true; }

    // Told about a component of the same owner (or an owned one) that is
    // about to be destroyed, so that references to it can be dropped.
    virtual void Notification(TComponent &removed) { (void)removed; }

protected:
    // Destroys the owned components, last created first.
    void DestroyComponents();

private:
    std::string name_;
    TComponent *owner_;
    std::vector<std::unique_ptr<TComponent>> components_;
    bool loading_ = false;
};

} // namespace ui
