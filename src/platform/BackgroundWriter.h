#pragma once

#include "platform/CompactImage.h"

#include <QImage>
#include <QString>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// Writes pictures as 24-bit bitmaps (writeBitmap, PictureIO.h) on a thread of
// its own, one after another in the order they were handed over, so that the
// window goes on at once while the disk catches up (with two writes behind, a
// third hand-over waits for the first). Pictures come compact (CompactImage):
// a canvas handed over stays the window's own, to be painted anew at once,
// and a write waiting holds a small part of a canvas. A write starts a moment
// after the hand-over (the window shows the next drawing meanwhile), at
// once when someone waits for it. Each write is as safe as
// writeBitmap's: a failed or interrupted one leaves the old file whole.
class BackgroundWriter
{
public:
    // `write` does one write on the writer's thread; writeBitmap by default.
    explicit BackgroundWriter(
        std::function<bool(const CompactImage &, const QString &)> write = nullptr);
    // Finishes every write handed over before it goes.
    ~BackgroundWriter();
    BackgroundWriter(const BackgroundWriter &) = delete;
    BackgroundWriter &operator=(const BackgroundWriter &) = delete;

    // Hands a picture over.
    void write(CompactImage image, const QString &path);
    // The picture of the newest write to `path` not finished yet, as it will
    // read back from the file (Format_RGB32); null when none is waiting.
    QImage pending(const QString &path) const;
    // Returns once no write to `path` is waiting or running; with an empty
    // path, once every write handed over so far has finished.
    void waitFor(const QString &path = QString());

private:
    struct Job {
        CompactImage image;
        QString path;
        std::chrono::steady_clock::time_point handedOver;
    };
    void run();
    bool waiting(const QString &path) const;

    std::function<bool(const CompactImage &, const QString &)> writeOne;
    mutable std::mutex mutex;
    std::condition_variable changed;
    std::deque<Job> jobs; // the front one is being written
    static constexpr std::size_t maxPending = 2;
    bool stopping = false;
    bool hurried = false; // someone waits: no grace before the next write
    std::thread worker;
};
