#include "platform/BackgroundWriter.h"
#include "support/Pictures.h"

#include <QStringList>
#include <future>
#include <gtest/gtest.h>

// While the writes wait behind one that cannot finish, each path's picture is
// pending, and a third hand-over waits; a finished write, failed or not, is
// pending no more; the writes run in the order handed over, and all of them
// before the writer goes.
TEST(BackgroundWriter, PendingPicturesAreFewAndWritesKeepTheirOrder)
{
    std::promise<void> open;
    const std::shared_future<void> gate = open.get_future().share();
    QStringList written;
    const auto plain = [](int blue) { return plainPicture(2, 2, qRgb(0, 0, blue)); };
    {
        BackgroundWriter writer([&](const CompactImage &image, const QString &path) {
            gate.wait();
            written << path + QString::number(qBlue(image.image().pixel(0, 0)));
            return path != "b";
        });
        for (const auto &[path, blue] : {std::pair{"a", 1}, {"b", 2}})
            writer.write(CompactImage(plain(blue)), path);
        EXPECT_EQ(writer.pending("a"), plain(1));
        EXPECT_EQ(writer.pending("b"), plain(2));
        EXPECT_TRUE(writer.pending("c").isNull());
        auto third =
            std::async(std::launch::async, [&] { writer.write(CompactImage(plain(3)), "a"); });
        EXPECT_EQ(third.wait_for(std::chrono::milliseconds(300)), std::future_status::timeout);
        open.set_value();
        third.wait();
        writer.waitFor("b");
        EXPECT_TRUE(writer.pending("b").isNull());
        writer.write(CompactImage(plain(4)), "c");
    }
    EXPECT_EQ(written, QStringList({"a1", "b2", "a3", "c4"}));
}
