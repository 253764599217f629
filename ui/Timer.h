#pragma once
// A message-driven timer: OnTimer runs on the GUI thread from the message
// loop (or from any message pumping) every Interval milliseconds while the
// timer is enabled.
#include "ui/Component.h"
#include "ui/Types.h"

#include <windows.h>

namespace ui {

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent *owner);
    ~TTimer() override;
    std::string ClassName() const override { return "TTimer"; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned interval);

    TNotifyEvent OnTimer;

    bool SetProperty(std::string_view name, const LayoutValue &value, LayoutReader &reader) override;
    void Loaded() override;

private:
    template <typename T> friend class WindowProcedure;
    static constexpr const char *kWindowProperty = "ui.TTimer";
    void AttachWindow(HWND window) { window_ = window; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void UpdateTimer();

    HWND window_ = nullptr;
    bool enabled_ = true;
    unsigned interval_ = 1000;
};

} // namespace ui
