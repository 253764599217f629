#pragma once
// The executable's PNG pictures (resources of type PNG), decoded once. The
// application starts decoding all of them on worker threads as it starts up,
// so that the layouts find them ready; a picture asked for before (or without)
// that is decoded when first asked for.
#include "ui/PngImage.h"

#include <future>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace ui {

class PictureStore {
public:
    using Picture = std::shared_future<std::shared_ptr<const TPngImage>>;

    PictureStore() = default;
    ~PictureStore();
    PictureStore(const PictureStore &) = delete;
    PictureStore &operator=(const PictureStore &) = delete;

    // Starts decoding every PNG resource of the executable in the background
    // (once; later calls do nothing).
    void Prefetch();
    // The named picture, decoded or being decoded; get() waits for it and
    // raises its PngError. Null when the executable has no such resource.
    std::optional<Picture> Find(const std::string &resource);

private:
    void Work();

    std::mutex mutex_;
    std::map<std::string, Picture> pictures_;
    std::vector<std::pair<std::string, std::promise<std::shared_ptr<const TPngImage>>>> queue_;
    std::size_t next_ = 0;
    std::vector<std::thread> workers_;
};

} // namespace ui
