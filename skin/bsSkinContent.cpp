#include "skin/bsSkinContent.h"

#include "skin/bsDataSkinCheckRadioControl.h"
#include "skin/bsDataSkinStdLabelControl.h"
#include "skin/bsSkinIni.h"
#include "skin/bsStoredSkinFormat.h"

#include <array>

namespace skin {
namespace {

// Control kinds of the toolkit whose values no page reads: their entries are
// found by name like any other, with the values every entry has.
constexpr std::array<std::string_view, 26> kOtherKinds = {
    "panel", "expanel", "menubutton", "button", "gauge", "splitter", "trackbar", "label", "updown",
    "grid", "tab", "mainmenubar", "controlbar", "memo", "edit", "checklistbox", "listbox", "combobox",
    "scrollbar", "spinedit", "scrollbox", "treeview", "bevel", "slider", "listview", "richedit"};

} // namespace

std::optional<TbsSkinContent> TbsSkinContent::Load(std::string_view compressed)
{
    std::optional<TbsStoredSkinStream> stream = ReadStoredSkinStream(InflateSkinStream(compressed));
    if (!stream)
        return std::nullopt;
    TbsSkinContent content;
    content.picture_ = std::move(stream->picture);
    content.inactivePicture_ = std::move(stream->inactivePicture);
    content.mask_ = std::move(stream->mask);
    content.pictures_ = std::move(stream->pictures);
    content.ReadText(stream->text);
    return content;
}

std::unique_ptr<TbsDataSkinControl> TbsSkinContent::CreateEntry(std::string_view value)
{
    const std::size_t colon = value.find(':');
    if (colon == std::string_view::npos)
        return nullptr;
    std::string name(value.substr(0, colon));
    std::string kind(value.substr(colon + 1));
    if (kind == "checkradio")
        return std::make_unique<TbsDataSkinCheckRadioControl>(std::move(name), std::move(kind));
    if (kind == "stdlabel")
        return std::make_unique<TbsDataSkinStdLabelControl>(std::move(name), std::move(kind));
    for (std::string_view other : kOtherKinds)
        if (kind == other)
            return std::make_unique<TbsDataSkinControl>(std::move(name), std::move(kind));
    return nullptr;
}

void TbsSkinContent::ReadText(std::string_view text)
{
    const TbsSkinIni ini(text);
    info_.skinName = ini.ReadString("VERSION", "skinname");
    info_.skinAuthor = ini.ReadString("VERSION", "skinauthor");
    info_.authorEmail = ini.ReadString("VERSION", "authoremail");
    info_.authorUrl = ini.ReadString("VERSION", "authorurl");
    info_.skinComments = ini.ReadString("VERSION", "skincomments");
    info_.picture = ini.ReadString("PICTURES", "picture");
    info_.inactivePicture = ini.ReadString("PICTURES", "inactivepicture");
    info_.mask = ini.ReadString("PICTURES", "mask");
    pictureNames_ = ini.ReadList("PICTURES", "activepictures");
    // Form, pop-up and hint windows and the skin colours are kept unparsed:
    // no page has a skinned form.
    objects_ = ini.ReadList("SKINOBJECTS", "");
    for (const std::string &value : ini.ReadList("SKINCONTROLS", "")) {
        std::unique_ptr<TbsDataSkinControl> entry = CreateEntry(value);
        if (!entry)
            continue;
        entry->ReadSection(ini);
        controls_.push_back(std::move(entry));
    }
}

int TbsSkinContent::FindSkinControl(std::string_view name) const
{
    for (std::size_t i = 0; i < controls_.size(); ++i)
        if (controls_[i]->Name() == name)
            return static_cast<int>(i);
    return -1;
}

const TbsBitmap *TbsSkinContent::Picture(int index) const
{
    return index >= 0 && index < PictureCount() ? &pictures_[std::size_t(index)] : nullptr;
}

} // namespace skin
