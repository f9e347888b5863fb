#include "platform/BackgroundWriter.h"

#include "platform/PictureIO.h"

#include <algorithm>
#include <sys/resource.h>
#include <unistd.h>
#include <utility>

BackgroundWriter::BackgroundWriter(std::function<bool(const CompactImage &, const QString &)> write)
    : writeOne(write ? std::move(write)
                     : [](const CompactImage &image,
                          const QString &path) { return writeBitmap(image, path); }),
      worker([this] { run(); })
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

void BackgroundWriter::write(CompactImage image, const QString &path)
{
    {
        std::unique_lock lock(mutex);
        // At most two pictures on their way, each up to a canvas of memory (a
        // colouring of textures compacts little): on a machine too busy for the
        // writer, the window waits for it rather than holding canvas after canvas.
        if (jobs.size() >= maxPending) {
            hurried = true;
            changed.notify_all();
            changed.wait(lock, [this] { return jobs.size() < maxPending; });
            hurried = false;
        }
        jobs.push_back({std::move(image), path, std::chrono::steady_clock::now()});
    }
    changed.notify_all();
}

QImage BackgroundWriter::pending(const QString &path) const
{
    CompactImage image;
    {
        const std::lock_guard lock(mutex);
        const auto newest = std::find_if(jobs.rbegin(), jobs.rend(),
                                         [&path](const Job &job) { return job.path == path; });
        if (newest == jobs.rend())
            return {};
        image = newest->image;
    }
    // As the file will read back: opaque 32-bit pixels.
    return image.image();
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
        // competing for the processor and the disk.
        changed.wait_until(lock, jobs.front().handedOver + std::chrono::milliseconds(150),
                           [this] { return stopping || hurried; });
        const Job &job = jobs.front(); // jobs are only added at the back meanwhile
        lock.unlock();
        writeOne(job.image, job.path);
        lock.lock();
        // Only now does the job leave the queue: until the file is in place,
        // pending() gives its picture.
        jobs.pop_front();
        changed.notify_all();
    }
}
