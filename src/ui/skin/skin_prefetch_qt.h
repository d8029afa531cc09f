// Skin images decoded ahead, on a thread of their own: a start names the
// images it draws first before it sets Qt up, which takes about as long as
// decoding them, so that its drawing finds them decoded. Each image is
// handed out once, to the first draw of its path; any later draw decodes
// the file again, as every draw does.
#pragma once

#include <QImage>

#include <future>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace corvane {

// How a draw decodes the image: as a window background (straight, opaque)
// or as an image drawn onto it (premultiplied).
enum class SkinImageUse { Background, Drawn };

struct SkinImageRequest {
    std::wstring path;
    SkinImageUse use = SkinImageUse::Drawn;
};

class SkinImagePrefetch {
  public:
    // Starts decoding `requests`, in their order.
    explicit SkinImagePrefetch(std::vector<SkinImageRequest> requests);
    // Waits for the decoding to end.
    ~SkinImagePrefetch();
    SkinImagePrefetch(const SkinImagePrefetch&) = delete;
    SkinImagePrefetch& operator=(const SkinImagePrefetch&) = delete;

    // The image of `path` decoded for `use`, once it is (a null image when
    // the file cannot be decoded); nothing when it was not asked for or was
    // taken already.
    std::optional<QImage> Take(const std::wstring& path, SkinImageUse use);

  private:
    struct Entry {
        SkinImageRequest request;
        std::promise<QImage> decoded;
        std::future<QImage> result;
        bool taken = false;
    };

    std::vector<Entry> entries_;
    std::thread decoder_;
};

}  // namespace corvane
