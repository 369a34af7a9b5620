#include "presentation/PackedPicture.h"

#include <algorithm>

#include "presentation/Blit.h"

namespace jw {

void RowRuns::Add(Rect area) {
    if (area.Empty()) {
        return;
    }
    if (runs.empty()) {
        top = area.y;
    }
    // Rows above or below the present ones come in empty first.
    if (area.y < top) {
        runs.insert(runs.begin(), static_cast<std::size_t>(top - area.y), Run{});
        top = area.y;
    }
    const int bottom = area.y + area.height;
    if (bottom > top + static_cast<int>(runs.size())) {
        runs.resize(static_cast<std::size_t>(bottom - top));
    }
    bounds = Unite(bounds, area);
    for (int y = area.y; y < bottom; ++y) {
        Run& run = runs[static_cast<std::size_t>(y - top)];
        if (run.Empty()) {
            run = {area.x, area.x + area.width};
        } else {
            run = {std::min(run.first, area.x), std::max(run.end, area.x + area.width)};
        }
    }
}

void RowRuns::ClipTo(Rect area) {
    RowRuns clipped;
    for (int y = std::max(top, area.y);
         y < std::min(top + static_cast<int>(runs.size()), area.y + area.height); ++y) {
        const Run run = RunOf(y);
        const int first = std::max(run.first, area.x);
        const int end = std::min(run.end, area.x + area.width);
        if (first < end) {
            clipped.Add({first, y, end - first, 1});
        }
    }
    *this = std::move(clipped);
}

RowRuns::Run RowRuns::RunOf(int y) const {
    if (y < top || y >= top + static_cast<int>(runs.size())) {
        return {};
    }
    return runs[static_cast<std::size_t>(y - top)];
}

bool RowRuns::Holds(const RowRuns& other) const {
    for (std::size_t i = 0; i < other.runs.size(); ++i) {
        const Run& wanted = other.runs[i];
        if (wanted.Empty()) {
            continue;
        }
        const Run run = RunOf(other.top + static_cast<int>(i));
        if (run.Empty() || run.first > wanted.first || run.end < wanted.end) {
            return false;
        }
    }
    return true;
}

std::size_t RowRuns::Pixels() const {
    std::size_t pixels = 0;
    for (const Run& run : runs) {
        pixels += run.Empty() ? 0 : static_cast<std::size_t>(run.end - run.first);
    }
    return pixels;
}

PackedPicture::PackedPicture(const Image& picture) {
    Pack(picture);
}

void PackedPicture::Pack(const Image& picture) {
    Pack(picture, picture.Bounds());
}

void PackedPicture::Pack(const Image& picture, Rect part) {
    Pack(picture, RowRuns(part));
}

void PackedPicture::Pack(const Image& picture, const RowRuns& part) {
    RowRuns inside = part;
    inside.ClipTo(picture.Bounds());
    if (inside.Empty()) {
        Reset();
        return;
    }
    kept = std::move(inside);
    // The same size uses the same memory again; another takes its own.
    const std::size_t size = kept.Pixels() * 3;
    if (bytes.size() != size) {
        bytes = decltype(bytes)(size);
    }
    const Rect bounds = kept.Bounds();
    rowStarts.assign(static_cast<std::size_t>(bounds.height), 0);
    std::uint8_t* out = bytes.data();
    for (int y = bounds.y; y < bounds.y + bounds.height; ++y) {
        rowStarts[static_cast<std::size_t>(y - bounds.y)] =
            static_cast<std::size_t>(out - bytes.data());
        const RowRuns::Run run = kept.RunOf(y);
        const Pixel* row = picture.Row(y);
        for (int x = run.first; x < run.end; ++x, out += 3) {
            out[0] = static_cast<std::uint8_t>(RedOf(row[x]));
            out[1] = static_cast<std::uint8_t>(GreenOf(row[x]));
            out[2] = static_cast<std::uint8_t>(BlueOf(row[x]));
        }
    }
}

Pixel PackedPicture::At(int x, int y) const {
    const RowRuns::Run run = kept.RunOf(y);
    if (x < run.first || x >= run.end) {
        return 0;
    }
    const std::uint8_t* p = bytes.data() + rowStarts[static_cast<std::size_t>(y - Bounds().y)] +
                            static_cast<std::size_t>(x - run.first) * 3;
    return Rgb(p[0], p[1], p[2]);
}

void PackedPicture::CopyTo(Image& dst, int dx, int dy, Rect from) const {
    const Rect bounds = Bounds();
    if (!ClipCopy(dst.Bounds(), dx, dy, bounds, from)) {
        return;
    }
    for (int row = 0; row < from.height; ++row) {
        const int y = from.y + row;
        const RowRuns::Run run = kept.RunOf(y);
        const int first = std::max(from.x, run.first);
        const int end = std::min(from.x + from.width, run.end);
        if (first >= end) {
            continue;
        }
        Pixel* out = dst.Row(dy + row) + dx + (first - from.x);
        const std::uint8_t* in = bytes.data() + rowStarts[static_cast<std::size_t>(y - bounds.y)] +
                                 static_cast<std::size_t>(first - run.first) * 3;
        for (int i = 0; i < end - first; ++i, in += 3) {
            out[i] = Rgb(in[0], in[1], in[2]);
        }
    }
}

}  // namespace jw
