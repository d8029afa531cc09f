#include "ui/skin/skin_prefetch_qt.h"

#include <utility>

#include "ui/skin/skin_image_qt.h"

namespace corvane {
namespace {

QImage Decode(const SkinImageRequest& request) {
    if (request.use == SkinImageUse::Background) {
        return LoadBackgroundImage(request.path);
    }
    return DecodeSkinImage(request.path).value_or(QImage());
}

}  // namespace

SkinImagePrefetch::SkinImagePrefetch(std::vector<SkinImageRequest> requests) {
    entries_.resize(requests.size());
    for (std::size_t i = 0; i < requests.size(); ++i) {
        entries_[i].request = std::move(requests[i]);
        entries_[i].result = entries_[i].decoded.get_future();
    }
    // The entries are not resized again, so the thread may fill them.
    decoder_ = std::thread([this] {
        for (Entry& entry : entries_) {
            entry.decoded.set_value(Decode(entry.request));
        }
    });
}

SkinImagePrefetch::~SkinImagePrefetch() {
    decoder_.join();
}

std::optional<QImage> SkinImagePrefetch::Take(const std::wstring& path, SkinImageUse use) {
    for (Entry& entry : entries_) {
        if (!entry.taken && entry.request.path == path && entry.request.use == use) {
            entry.taken = true;
            return entry.result.get();
        }
    }
    return std::nullopt;
}

}  // namespace corvane
