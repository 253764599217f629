#include "ui/PictureStore.h"

#include "ui/Resources.h"

#include <windows.h>

#include <algorithm>
#include <cctype>

namespace ui {
namespace {

std::shared_ptr<const TPngImage> DecodeResource(const std::string &resource)
{
    return std::make_shared<const TPngImage>(TPngImage::Decode(ResourceBytes(resource.c_str(), "PNG")));
}

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR names)
{
    if (!IS_INTRESOURCE(name))
        reinterpret_cast<std::vector<std::string> *>(names)->push_back(name);
    return TRUE;
}

} // namespace

PictureStore::~PictureStore()
{
    for (std::thread &worker : workers_)
        worker.join();
}

void PictureStore::Prefetch()
{
    if (!workers_.empty())
        return;
    std::vector<std::string> names;
    EnumResourceNamesA(GetModuleHandleA(nullptr), "PNG", CollectName, reinterpret_cast<LONG_PTR>(&names));
    // The largest first: they take longest.
    std::sort(names.begin(), names.end(), [](const std::string &a, const std::string &b) {
        return ResourceBytes(a.c_str(), "PNG").size() > ResourceBytes(b.c_str(), "PNG").size();
    });
    {
        std::lock_guard lock(mutex_);
        for (const std::string &name : names) {
            if (pictures_.count(name))
                continue;
            std::promise<std::shared_ptr<const TPngImage>> promise;
            pictures_.emplace(name, promise.get_future().share());
            queue_.emplace_back(name, std::move(promise));
        }
    }
    const unsigned count = std::clamp(std::thread::hardware_concurrency(), 1u, 2u);
    for (unsigned i = 0; i < count; ++i)
        workers_.emplace_back(&PictureStore::Work, this);
}

void PictureStore::Work()
{
    for (;;) {
        std::string name;
        std::promise<std::shared_ptr<const TPngImage>> *promise;
        {
            std::lock_guard lock(mutex_);
            if (next_ == queue_.size())
                return;
            name = queue_[next_].first;
            promise = &queue_[next_].second;
            ++next_;
        }
        try {
            promise->set_value(DecodeResource(name));
        } catch (...) {
            promise->set_exception(std::current_exception());
        }
    }
}

std::optional<PictureStore::Picture> PictureStore::Find(const std::string &resource)
{
    // Resource names ignore case; the enumeration gives them in capitals.
    std::string key = resource;
    for (char &c : key)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    std::lock_guard lock(mutex_);
    const auto found = pictures_.find(key);
    if (found != pictures_.end())
        return found->second;
    if (ResourceBytes(resource.c_str(), "PNG").empty())
        return std::nullopt;
    Picture picture = std::async(std::launch::deferred, [resource] { return DecodeResource(resource); }).share();
    pictures_.emplace(key, picture);
    return picture;
}

} // namespace ui
