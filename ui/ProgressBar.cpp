#include "ui/ProgressBar.h"

#include "ui/LayoutReader.h"

#include <algorithm>

namespace ui {
namespace {

// The blocks of a bar that is not smooth: as wide as two thirds of the
// height, two pixels apart.
constexpr int kBlockGap = 2;

} // namespace

TProgressBar::TProgressBar(TComponent *owner) : TCustomControl(owner)
{
    SetBounds(0, 0, 150, 16);
}

void TProgressBar::SetMin(std::int32_t min)
{
    const int before = FilledWidth();
    min_ = min;
    ShowIfMoved(before);
}

void TProgressBar::SetMax(std::int32_t max)
{
    const int before = FilledWidth();
    max_ = max;
    ShowIfMoved(before);
}

void TProgressBar::SetPosition(std::int32_t position)
{
    const int before = FilledWidth();
    position_ = position;
    ShowIfMoved(before);
}

void TProgressBar::SetSmooth(bool smooth)
{
    smooth_ = smooth;
    Invalidate();
}

int TProgressBar::FilledWidth() const
{
    const std::int64_t width = ClientSize().cx;
    const std::int64_t range = std::int64_t{max_} - min_;
    if (range <= 0 || width <= 0)
        return 0;
    const std::int64_t done = std::clamp<std::int64_t>(std::int64_t{position_} - min_, 0, range);
    return static_cast<int>(width * done / range);
}

void TProgressBar::ShowIfMoved(int before)
{
    if (FilledWidth() == before)
        return;
    const SIZE client = ClientSize();
    PaintNow({0, 0, client.cx, client.cy});
}

void TProgressBar::FillCreateParams(CreateParams &params)
{
    TCustomControl::FillCreateParams(params);
    params.exStyle |= WS_EX_STATICEDGE;
}

void TProgressBar::Paint(HDC dc)
{
    const SIZE client = ClientSize();
    const RECT all{0, 0, client.cx, client.cy};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    const int filled = FilledWidth();
    const HBRUSH bar = GetSysColorBrush(COLOR_HIGHLIGHT);
    if (smooth_) {
        const RECT done{0, 0, filled, client.cy};
        FillRect(dc, &done, bar);
        return;
    }
    const int block = std::max(1, static_cast<int>(client.cy * 2 / 3));
    for (int left = 0; left < filled; left += block + kBlockGap) {
        const RECT done{left, 0, std::min(left + block, filled), client.cy};
        FillRect(dc, &done, bar);
    }
}

bool TProgressBar::SetProperty(std::string_view name, const LayoutValue &value, LayoutReader &reader)
{
    if (name == "Min")
        SetMin(reader.Integer(value));
    else if (name == "Max")
        SetMax(reader.Integer(value));
    else if (name == "Position")
        SetPosition(reader.Integer(value));
    else if (name == "Smooth")
        SetSmooth(reader.Boolean(value));
    else
        return TCustomControl::SetProperty(name, value, reader);
    return true;
}

} // namespace ui
