// screenwatch SECONDS [--threshold PERMILLE]
//
// Grabs the whole screen over and over, keeping a coarse sample of every
// picture (one pixel in four each way) with its time. It prints "ready" once
// the first grab is done (the caller then launches the program watched) and
// goes on for SECONDS seconds from there. The last picture is the settled
// one; the answer is the time of the first grab from which on every grab
// differs from it in at most PERMILLE thousandths of the samples (default
// 5, so that a ticking clock does not count as a change). It prints
//
//     settled at T ms, first change at F ms, G grabs
//
// with the times on the system's monotonic clock (the one a caller's
// time.monotonic() reads), or "never changed" when no grab differed from
// the first.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Grab {
    long long ms = 0;
    std::vector<unsigned> samples;
};

std::vector<unsigned> Sample(const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    std::vector<unsigned> samples;
    samples.reserve(static_cast<std::size_t>(rgb.width() / 4 + 1) *
                    static_cast<std::size_t>(rgb.height() / 4 + 1));
    for (int y = 0; y < rgb.height(); y += 4) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); x += 4) {
            samples.push_back(line[x] & 0xFFFFFFu);
        }
    }
    return samples;
}

std::size_t Differences(const std::vector<unsigned>& a, const std::vector<unsigned>& b) {
    if (a.size() != b.size()) {
        return a.size() > b.size() ? a.size() : b.size();
    }
    std::size_t count = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        count += a[i] != b[i] ? 1 : 0;
    }
    return count;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: screenwatch SECONDS [--threshold PERMILLE]\n");
        return 2;
    }
    const double seconds = std::atof(argv[1]);
    double permille = 5;
    if (argc >= 4 && std::string(argv[2]) == "--threshold") {
        permille = std::atof(argv[3]);
    }
    QGuiApplication app(argc, argv);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        std::fprintf(stderr, "screenwatch: no screen\n");
        return 1;
    }
    const auto now = [] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    };
    std::vector<Grab> grabs;
    grabs.push_back({now(), Sample(screen->grabWindow(0).toImage())});
    std::printf("ready\n");
    std::fflush(stdout);
    const long long end = grabs.front().ms + static_cast<long long>(seconds * 1000);
    while (now() < end) {
        // A short rest between grabs leaves the machine to the program
        // watched; a grab itself takes about as long.
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        const QPixmap shot = screen->grabWindow(0);
        grabs.push_back({now(), Sample(shot.toImage())});
    }
    if (grabs.empty()) {
        std::fprintf(stderr, "screenwatch: no grab\n");
        return 1;
    }
    const std::vector<unsigned>& last = grabs.back().samples;
    const std::size_t allowed =
        static_cast<std::size_t>(static_cast<double>(last.size()) * permille / 1000.0);
    std::size_t settled = grabs.size() - 1;
    while (settled > 0 && Differences(grabs[settled - 1].samples, last) <= allowed) {
        --settled;
    }
    long long firstChange = -1;
    for (const Grab& grab : grabs) {
        if (Differences(grab.samples, grabs.front().samples) > allowed) {
            firstChange = grab.ms;
            break;
        }
    }
    if (firstChange < 0) {
        std::printf("never changed (%zu grabs)\n", grabs.size());
        return 0;
    }
    std::printf("settled at %lld ms, first change at %lld ms, %zu grabs\n", grabs[settled].ms,
                firstChange, grabs.size());
    return 0;
}
