#include "platform/LargeImage.h"

#include <cstdint>
#include <mutex>
#include <utility>

#ifdef __linux__
#include <sys/mman.h>
#endif

QImage largeImage(QSize size, QImage::Format format)
{
#ifdef __linux__
    constexpr std::size_t largePage = std::size_t{2} << 20;
    constexpr std::size_t page = 4096;
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    if (size.isEmpty() || depth <= 0 || size.width() > (1 << 20) || size.height() > (1 << 20))
        return QImage(size, format);
    // Rows of whole 32-bit words, as QImage lays them out.
    const std::size_t bytesPerLine = (static_cast<std::size_t>(size.width()) * depth + 31) / 32 * 4;
    const std::size_t bytes = bytesPerLine * static_cast<std::size_t>(size.height());
    if (bytes < largePage)
        return QImage(size, format);
    const std::size_t length = (bytes + page - 1) / page * page;
    // Room to move the start to a large page's boundary; what is left over
    // on either side goes straight back.
    const std::size_t reserved = length + largePage;
    void *region =
        mmap(nullptr, reserved, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (region == MAP_FAILED)
        return QImage(size, format);
    const auto first = reinterpret_cast<std::uintptr_t>(region);
    const std::uintptr_t start = (first + largePage - 1) / largePage * largePage;
    if (start > first)
        munmap(region, start - first);
    if (first + reserved > start + length)
        munmap(reinterpret_cast<void *>(start + length), first + reserved - (start + length));
    auto *pixels = reinterpret_cast<uchar *>(start);
    madvise(pixels, length, MADV_HUGEPAGE); // a hint: without it, ordinary pages
#ifdef MADV_POPULATE_WRITE
    // The pixels are about to be set, every one: their pages come in one
    // call (the few that are not large pages included), not a fault each.
    madvise(pixels, length, MADV_POPULATE_WRITE);
#endif
    struct Mapping {
        void *start;
        std::size_t length;
    };
    QImage image(
        pixels, size.width(), size.height(), static_cast<qsizetype>(bytesPerLine), format,
        [](void *info) {
            const auto *mapping = static_cast<Mapping *>(info);
            munmap(mapping->start, mapping->length);
            delete mapping;
        },
        new Mapping{pixels, length});
    if (image.isNull())
        munmap(pixels, length); // the cleanup runs only for an image that was made
    return image;
#else
    return QImage(size, format);
#endif
}

void prepareForWriting(void *data, std::size_t bytes)
{
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
    constexpr std::uintptr_t page = 4096;
    const auto begin = (reinterpret_cast<std::uintptr_t>(data) + page - 1) / page * page;
    const auto end = (reinterpret_cast<std::uintptr_t>(data) + bytes) / page * page;
    if (end > begin)
        madvise(reinterpret_cast<void *>(begin), end - begin, MADV_POPULATE_WRITE);
#else
    (void)data;
    (void)bytes;
#endif
}

namespace
{
constexpr std::size_t kRecordKept = std::size_t{1} << 20;

struct KeptBlock {
    std::mutex lock;
    void *block = nullptr;
    std::size_t bytes = 0;
};

KeptBlock &keptBlock()
{
    static KeptBlock *kept = new KeptBlock; // never destroyed: records may outlive main()
    return *kept;
}
} // namespace

void *takeRecordBlock(std::size_t bytes)
{
    if (bytes >= kRecordKept) {
        KeptBlock &kept = keptBlock();
        const std::lock_guard hold(kept.lock);
        // A larger block is given back with the size asked for now: the size
        // kept is never more than the block's own.
        if (kept.block && kept.bytes >= bytes && kept.bytes / 2 <= bytes)
            return std::exchange(kept.block, nullptr);
    }
    return ::operator new(bytes);
}

void giveBackRecordBlock(void *block, std::size_t bytes) noexcept
{
    if (block && bytes >= kRecordKept) {
        KeptBlock &kept = keptBlock();
        const std::lock_guard hold(kept.lock);
        std::swap(kept.block, block);
        kept.bytes = bytes;
    }
    ::operator delete(block);
}
