#include "output/cardfaces/CardFaceCache.h"

#include <algorithm>
#include <cmath>

namespace kv {

int TCardFaceCache::WidthAtScale(double scale) {
    return std::max(1, static_cast<int>(std::lround(kCardWidth * scale)));
}

const QImage& TCardFaceCache::Face(int index, int width) {
    if (!IsCardIndex(index) || width < 1) return none_;
    QImage& face = SizeOf(width).Faces[static_cast<std::size_t>(index - 1)];
    if (face.isNull()) face = RenderCardImage(index, ScaleOfWidth(width));
    return face;
}

TCardFaceCache::TSize& TCardFaceCache::SizeOf(int width) {
    if (!sizes_.empty() && sizes_.front().Width == width) return sizes_.front();
    const auto kept = std::find_if(sizes_.begin(), sizes_.end(),
                                   [width](const TSize& s) { return s.Width == width; });
    TSize size;
    if (kept != sizes_.end()) {
        size = std::move(*kept);
        sizes_.erase(kept);
    } else {
        size.Width = width;
    }
    sizes_.push_front(std::move(size));
    if (sizes_.size() > kSizesKept) sizes_.pop_back();
    return sizes_.front();
}

} // namespace kv
