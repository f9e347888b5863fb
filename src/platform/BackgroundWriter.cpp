#include "platform/BackgroundWriter.h"

#include "platform/PictureIO.h"

#include <algorithm>

BackgroundWriter::BackgroundWriter(std::function<bool(const QImage &, const QString &)> write)
    : writeOne(write ? std::move(write) : &writeBitmap), worker([this] { run(); })
{
}

BackgroundWriter::~BackgroundWriter()
{
    {
        const std::lock_guard lock(mutex);
        stopping = true;
    }
    changed.notify_all();
    worker.join();
}

void BackgroundWriter::write(const QImage &image, const QString &path)
{
    {
        const std::lock_guard lock(mutex);
        jobs.push_back({image, path});
    }
    changed.notify_all();
}

QImage BackgroundWriter::pending(const QString &path) const
{
    QImage image;
    {
        const std::lock_guard lock(mutex);
        const auto newest = std::find_if(jobs.rbegin(), jobs.rend(),
                                         [&path](const Job &job) { return job.path == path; });
        if (newest == jobs.rend())
            return {};
        image = newest->image;
    }
    // The file holds 24 bits a pixel, read back as opaque 32-bit pixels; a
    // canvas's own pixels are those already.
    if (image.format() == QImage::Format_RGB32)
        return image;
    return image.convertToFormat(QImage::Format_RGB888).convertToFormat(QImage::Format_RGB32);
}

bool BackgroundWriter::waiting(const QString &path) const
{
    return std::any_of(jobs.begin(), jobs.end(),
                       [&path](const Job &job) { return path.isEmpty() || job.path == path; });
}

void BackgroundWriter::waitFor(const QString &path)
{
    std::unique_lock lock(mutex);
    changed.wait(lock, [&] { return !waiting(path); });
}

void BackgroundWriter::run()
{
    std::unique_lock lock(mutex);
    for (;;) {
        changed.wait(lock, [this] { return stopping || !jobs.empty(); });
        if (jobs.empty())
            return; // stopping, with nothing left to write
        const Job job = jobs.front();
        lock.unlock();
        writeOne(job.image, job.path);
        lock.lock();
        // Only now does the job leave the queue: until the file is in place,
        // pending() gives its picture.
        jobs.pop_front();
        changed.notify_all();
    }
}
