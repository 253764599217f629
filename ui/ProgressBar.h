#pragma once
// A progress bar: the common-controls progress class, bound at run time.
#include "ui/WinControl.h"

#include <cstdint>

namespace ui {

class TProgressBar : public TWinControl {
public:
    explicit TProgressBar(TComponent *owner);
    std::string ClassName() const override { return "TProgressBar"; }

    std::int32_t Min() const { return min_; }
    void SetMin(std::int32_t min);
    std::int32_t Max() const { return max_; }
    void SetMax(std::int32_t max);
    std::int32_t Position() const { return position_; }
    void SetPosition(std::int32_t position);
    // Smooth: one continuous bar instead of blocks.
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool smooth) { smooth_ = smooth; }

    bool SetProperty(std::string_view name, const LayoutValue &value, LayoutReader &reader) override;

protected:
    void FillCreateParams(CreateParams &params) override;
    void WindowCreated() override;

private:
    void SendRange();

    std::int32_t min_ = 0;
    std::int32_t max_ = 100;
    std::int32_t position_ = 0;
    bool smooth_ = false;
};

} // namespace ui
