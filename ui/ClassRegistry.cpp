#include "ui/ClassRegistry.h"

#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/ProgressBar.h"
#include "ui/Timer.h"

namespace ui {

std::unique_ptr<TComponent> ClassRegistry::Create(const std::string &className, TComponent *owner) const
{
    const auto found = factories_.find(className);
    return found == factories_.end() ? nullptr : found->second(owner);
}

ClassRegistry &Classes()
{
    static ClassRegistry registry = [] {
        ClassRegistry framework;
        framework.Register<TImage>("TImage");
        framework.Register<TLabel>("TLabel");
        framework.Register<TEdit>("TEdit");
        framework.Register<TButton>("TButton");
        framework.Register<TProgressBar>("TProgressBar");
        framework.Register<TTimer>("TTimer");
        return framework;
    }();
    return registry;
}

} // namespace ui
