#pragma once

#include <QImage>

#include <cstddef>
#include <new>

// An image of this size and format, its pixels not set, like QImage(size,
// format). One of several megabytes (a canvas) lies in memory of its own from
// the system, aligned and marked for large pages where the system offers them
// on request: its first touch then costs a few dozen page faults instead of
// one every 4 KiB (8,100 for a 4K canvas). It goes back to the system when the
// last image sharing it goes. Elsewhere, or when that memory cannot be had, an
// ordinary image.
QImage largeImage(QSize size, QImage::Format format);

// Memory just taken (a block of more than a megabyte comes fresh from the
// system) that is about to be written whole: its pages come in one call
// instead of a fault each. Only the pages wholly inside are asked for.
void prepareForWriting(void *data, std::size_t bytes);

// Blocks for records that are made anew at every press and may be large: a
// fill's runs (25 MB on a 4K picture of one-pixel corridors). A block of a
// megabyte or more would come fresh from the system each time, zeroed by it
// page by page, and go back when freed; the one freed last is kept instead and
// handed to the next request it fits with at most half of it to spare. Smaller
// blocks are the ordinary heap's. Safe from any thread.
void *takeRecordBlock(std::size_t bytes);
void giveBackRecordBlock(void *block, std::size_t bytes) noexcept;

// std::vector<T, RecordAllocator<T>>: a record whose blocks come and go as above.
template <class T> struct RecordAllocator {
    using value_type = T;
    RecordAllocator() = default;
    template <class U> RecordAllocator(const RecordAllocator<U> &) noexcept {}
    T *allocate(std::size_t count)
    {
        if (count > std::size_t(-1) / sizeof(T))
            throw std::bad_array_new_length();
        return static_cast<T *>(takeRecordBlock(count * sizeof(T)));
    }
    void deallocate(T *block, std::size_t count) noexcept
    {
        giveBackRecordBlock(block, count * sizeof(T));
    }
    friend bool operator==(const RecordAllocator &, const RecordAllocator &) { return true; }
};
