#pragma once

#include <QImage>
#include <vector>

// A picture kept without being shown (a colouring on its way to disk, what
// undo may bring back, the picture of the last save), row by row in runs of
// one colour: a colouring of flat fills and outlines takes a small part of its
// size. Rows where runs would take more
// room (a texture, a photograph) are kept pixel for pixel. Opaque 32-bit
// pixels, given back exactly.
class CompactImage
{
public:
    CompactImage() = default;
    explicit CompactImage(const QImage &image);

    bool isNull() const { return size.isEmpty(); }
    QSize imageSize() const { return size; }
    // The picture again, Format_RGB32.
    QImage image() const;
    // One row of it, imageSize().width() pixels.
    void readRow(int y, QRgb *pixels) const;
    // The memory it holds, in bytes.
    std::size_t bytes() const
    {
        return words.size() * sizeof(quint32) + rowStarts.size() * sizeof(std::size_t);
    }

private:
    QSize size;
    // Each row: its number of runs, then each run's length and colour; or, for
    // a row kept whole, `wholeRow` and its pixels.
    std::vector<quint32> words;
    std::vector<std::size_t> rowStarts; // where each row begins in `words`
    static constexpr quint32 wholeRow = 0xFFFFFFFF;
};
