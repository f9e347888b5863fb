#include "support/BitmapWriterChild.h"

#include <QApplication>
#include <cstring>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--bitmap-writer") == 0)
        return runBitmapWriter(argv[2]);
    // Test discovery runs this binary at build time without the test's
    // environment, so there may be no display at all.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
