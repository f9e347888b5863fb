#include "platform/BackgroundWriter.h"

#include "platform/PictureIO.h"

#include <algorithm>
#include <sys/resource.h>
#include <unistd.h>
#include <utility>

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
        std::unique_lock lock(mutex);
        // At most two pictures on their way, each a canvas of memory: on a
        // machine too busy for the writer, the window waits for it rather than
        // holding canvas after canvas.
        if (jobs.size() >= maxPending) {
            hurried = true;
            changed.notify_all();
            changed.wait(lock, [this] { return jobs.size() < maxPending; });
            hurried = false;
        }
        jobs.push_back({image, path, std::chrono::steady_clock::now()});
    }
    changed.notify_all();
}

QImage BackgroundWriter::takeSpare()
{
    const std::lock_guard lock(mutex);
    return std::exchange(spare, QImage());
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
    hurried = true;
    changed.notify_all();
    changed.wait(lock, [&] { return !waiting(path); });
    hurried = false;
}

void BackgroundWriter::run()
{
    // The window comes first: on a busy machine (two cores, a class's other
    // programs) the writer takes what the window leaves. Quitting still waits
    // for it, so nothing is lost.
    ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), 10);
    std::unique_lock lock(mutex);
    for (;;) {
        changed.wait(lock, [this] { return stopping || !jobs.empty(); });
        if (jobs.empty())
            return; // stopping, with nothing left to write
        // Long enough for the next drawing to be shown without a write
        // competing for the processor and the memory.
        changed.wait_until(lock, jobs.front().handedOver + std::chrono::milliseconds(150),
                           [this] { return stopping || hurried; });
        Job job = jobs.front();
        lock.unlock();
        writeOne(job.image, job.path);
        job.image = QImage();
        lock.lock();
        // Kept only when nobody else shares the pixels (the canvas it was,
        // a picture shown from pending()).
        QImage done = std::move(jobs.front().image);
        if (done.isDetached())
            spare = std::move(done);
        // Only now does the job leave the queue: until the file is in place,
        // pending() gives its picture.
        jobs.pop_front();
        changed.notify_all();
    }
}
