#pragma once
// A progress bar in the classic look of the system's: a sunken edge, the
// filled part in the highlight colour on the button face.
#include "ui/WinControl.h"

#include <cstdint>

namespace ui {

class TProgressBar : public TCustomControl {
public:
    explicit TProgressBar(TComponent *owner);
    std::string ClassName() const override { return "TProgressBar"; }

    std::int32_t Min() const { return min_; }
    void SetMin(std::int32_t min);
    std::int32_t Max() const { return max_; }
    void SetMax(std::int32_t max);
    std::int32_t Position() const { return position_; }
    // The new position shows at once, without the system's paint cycle: the
    // thread that moves the bar may handle no messages until its work ends.
    void SetPosition(std::int32_t position);
    // Smooth: one continuous bar instead of blocks.
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool smooth);

    bool SetProperty(std::string_view name, const LayoutValue &value, LayoutReader &reader) override;

protected:
    void FillCreateParams(CreateParams &params) override;
    void Paint(HDC dc) override;

private:
    // How much of the client width the position fills, within 0 to the width.
    int FilledWidth() const;
    // Paints the bar at once if the filled width is no longer `before`.
    void ShowIfMoved(int before);

    std::int32_t min_ = 0;
    std::int32_t max_ = 100;
    std::int32_t position_ = 0;
    bool smooth_ = false;
};

} // namespace ui
