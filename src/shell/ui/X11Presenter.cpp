#include "shell/ui/X11Presenter.h"

#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <cstring>
#include <vector>

#include <unistd.h>

#include "presentation/PictureMemory.h"

#if QT_CONFIG(xcb)
#include <xcb/shm.h>
#include <xcb/xcb.h>
#endif

namespace jw {

#if QT_CONFIG(xcb)

struct X11Presenter::Connection {
    xcb_connection_t* connection = nullptr;
    xcb_window_t window = 0;
    xcb_gcontext_t gc = 0;
    bool sharedMemory = false;  // the server maps memory files (MIT-SHM 1.2)
    // The segment the server has of the picture shown last.
    xcb_shm_seg_t segment = 0;
    std::uint64_t segmentSerial = 0;
    std::uint64_t refusedSerial = 0;  // a picture the server would not map
    std::vector<std::uint32_t> rows;  // a band of rows sent through the connection
};

namespace {

// The depth of the renderer's pixels: 24 bits of colour in a 32-bit word.
constexpr std::uint8_t kDepth = 24;

// Whether `window` keeps its colours the way the renderer does: red in bits
// 16-23, blue in 0-7, least significant byte first.
bool KeepsRendererColours(xcb_connection_t* connection, xcb_window_t window) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST) {
        return false;
    }
    xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(
        connection, xcb_get_window_attributes(connection, window), nullptr);
    if (attributes == nullptr) {
        return false;
    }
    const xcb_visualid_t visual = attributes->visual;
    std::free(attributes);
    for (auto screen = xcb_setup_roots_iterator(setup); screen.rem > 0; xcb_screen_next(&screen)) {
        for (auto depth = xcb_screen_allowed_depths_iterator(screen.data); depth.rem > 0;
             xcb_depth_next(&depth)) {
            for (auto type = xcb_depth_visuals_iterator(depth.data); type.rem > 0;
                 xcb_visualtype_next(&type)) {
                const xcb_visualtype_t& v = *type.data;
                if (v.visual_id != visual) {
                    continue;
                }
                return v._class == XCB_VISUAL_CLASS_TRUE_COLOR && v.red_mask == 0xFF0000 &&
                       v.green_mask == 0xFF00 && v.blue_mask == 0xFF && depth.data->depth == kDepth;
            }
        }
    }
    return false;
}

// Whether 24-bit pictures travel in 32-bit words.
bool WordsFor24Bits(xcb_connection_t* connection) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    for (auto format = xcb_setup_pixmap_formats_iterator(setup); format.rem > 0;
         xcb_format_next(&format)) {
        if (format.data->depth == kDepth) {
            return format.data->bits_per_pixel == 32;
        }
    }
    return false;
}

bool ServerMapsMemoryFiles(xcb_connection_t* connection) {
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection, &xcb_shm_id);
    if (extension == nullptr || !extension->present) {
        return false;
    }
    xcb_shm_query_version_reply_t* version =
        xcb_shm_query_version_reply(connection, xcb_shm_query_version(connection), nullptr);
    if (version == nullptr) {
        return false;
    }
    const bool fds =
        version->major_version > 1 || (version->major_version == 1 && version->minor_version >= 2);
    std::free(version);
    return fds;
}

}  // namespace

std::unique_ptr<X11Presenter> X11Presenter::Open(QWidget& widget) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr || widget.devicePixelRatioF() != 1.0) {
        return nullptr;
    }
    auto x = std::make_unique<Connection>();
    x->connection = x11->connection();
    widget.setAttribute(Qt::WA_NativeWindow);
    x->window = static_cast<xcb_window_t>(widget.winId());
    if (!KeepsRendererColours(x->connection, x->window) || !WordsFor24Bits(x->connection)) {
        return nullptr;
    }
    x->sharedMemory = ServerMapsMemoryFiles(x->connection);
    x->gc = xcb_generate_id(x->connection);
    const std::uint32_t noExposures = 0;
    xcb_create_gc(x->connection, x->gc, x->window, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
    return std::unique_ptr<X11Presenter>(new X11Presenter(std::move(x)));
}

X11Presenter::X11Presenter(std::unique_ptr<Connection> connection) : x(std::move(connection)) {}

X11Presenter::~X11Presenter() {
    if (qGuiApp == nullptr) {
        return;  // the connection went with the application
    }
    if (x->segment != 0) {
        xcb_shm_detach(x->connection, x->segment);
    }
    xcb_free_gc(x->connection, x->gc);
    xcb_flush(x->connection);
}

std::uint32_t X11Presenter::SegmentOf(const QImage& picture) {
    if (!x->sharedMemory) {
        return 0;
    }
    const SharedPictureMemory memory = SharedMemoryOf(picture.constBits());
    const auto needed = static_cast<std::size_t>(picture.sizeInBytes());
    if (memory.fd < 0 || memory.bytes < needed || memory.serial == x->refusedSerial) {
        return 0;
    }
    if (memory.serial == x->segmentSerial) {
        return x->segment;
    }
    if (x->segment != 0) {
        xcb_shm_detach(x->connection, x->segment);
        x->segment = 0;
        x->segmentSerial = 0;
    }
    // The connection closes the descriptor it sends; the picture keeps its own.
    const int fd = dup(memory.fd);
    if (fd < 0) {
        return 0;
    }
    const xcb_shm_seg_t segment = xcb_generate_id(x->connection);
    xcb_generic_error_t* error =
        xcb_request_check(x->connection, xcb_shm_attach_fd_checked(x->connection, segment, fd, 1));
    if (error != nullptr) {
        std::free(error);
        x->refusedSerial = memory.serial;
        return 0;
    }
    x->segment = segment;
    x->segmentSerial = memory.serial;
    return segment;
}

void X11Presenter::Put(const QImage& picture, const QRect& area) {
    Put(picture, area, area.topLeft());
}

void X11Presenter::Put(const QImage& picture, const QRect& area, QPoint at) {
    const QRect shown = area.intersected(picture.rect());
    if (shown.isEmpty() || picture.depth() != 32) {
        return;
    }
    at += shown.topLeft() - area.topLeft();
    const std::uint32_t segment = SegmentOf(picture);
    if (segment == 0 || picture.bytesPerLine() != picture.width() * 4) {
        PutThroughConnection(picture, shown, at);
        return;
    }
    xcb_shm_put_image(
        x->connection, x->window, x->gc, static_cast<std::uint16_t>(picture.width()),
        static_cast<std::uint16_t>(picture.height()), static_cast<std::uint16_t>(shown.x()),
        static_cast<std::uint16_t>(shown.y()), static_cast<std::uint16_t>(shown.width()),
        static_cast<std::uint16_t>(shown.height()), static_cast<std::int16_t>(at.x()),
        static_cast<std::int16_t>(at.y()), kDepth, XCB_IMAGE_FORMAT_Z_PIXMAP, 0, segment, 0);
}

void X11Presenter::PutThroughConnection(const QImage& picture, const QRect& area, QPoint at) {
    // A request holds at most the server's maximum length, in 4-byte units,
    // less its own header.
    const std::size_t maxWords = xcb_get_maximum_request_length(x->connection);
    const std::size_t rowWords = static_cast<std::size_t>(area.width());
    const int bandRows =
        static_cast<int>(std::max<std::size_t>(1, (maxWords > 8 ? maxWords - 8 : 1) / rowWords));
    for (int top = 0; top < area.height(); top += bandRows) {
        const int rows = std::min(bandRows, area.height() - top);
        x->rows.resize(rowWords * static_cast<std::size_t>(rows));
        for (int row = 0; row < rows; ++row) {
            const auto* line =
                reinterpret_cast<const std::uint32_t*>(picture.constScanLine(area.y() + top + row));
            std::memcpy(x->rows.data() + rowWords * static_cast<std::size_t>(row), line + area.x(),
                        rowWords * 4);
        }
        xcb_put_image(x->connection, XCB_IMAGE_FORMAT_Z_PIXMAP, x->window, x->gc,
                      static_cast<std::uint16_t>(area.width()), static_cast<std::uint16_t>(rows),
                      static_cast<std::int16_t>(at.x()), static_cast<std::int16_t>(at.y() + top), 0,
                      kDepth, static_cast<std::uint32_t>(x->rows.size() * 4),
                      reinterpret_cast<const std::uint8_t*>(x->rows.data()));
    }
}

void X11Presenter::FillBlack(const QRect& area) {
    if (area.isEmpty()) {
        return;
    }
    const std::uint32_t black = 0;
    xcb_change_gc(x->connection, x->gc, XCB_GC_FOREGROUND, &black);
    const xcb_rectangle_t rectangle{
        static_cast<std::int16_t>(area.x()), static_cast<std::int16_t>(area.y()),
        static_cast<std::uint16_t>(area.width()), static_cast<std::uint16_t>(area.height())};
    xcb_poly_fill_rectangle(x->connection, x->window, x->gc, 1, &rectangle);
}

void X11Presenter::Flush() {
    xcb_flush(x->connection);
}

WId X11Presenter::Window() const {
    return x->window;
}

#else  // no X11 in this Qt

struct X11Presenter::Connection {};

std::unique_ptr<X11Presenter> X11Presenter::Open(QWidget&) {
    return nullptr;
}
X11Presenter::X11Presenter(std::unique_ptr<Connection> connection) : x(std::move(connection)) {}
X11Presenter::~X11Presenter() = default;
std::uint32_t X11Presenter::SegmentOf(const QImage&) {
    return 0;
}
void X11Presenter::Put(const QImage&, const QRect&) {}
void X11Presenter::Put(const QImage&, const QRect&, QPoint) {}
void X11Presenter::PutThroughConnection(const QImage&, const QRect&, QPoint) {}
void X11Presenter::FillBlack(const QRect&) {}
void X11Presenter::Flush() {}
WId X11Presenter::Window() const {
    return 0;
}

#endif

}  // namespace jw
