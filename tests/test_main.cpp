#include "picture.h"

#include <QApplication>
#include <gtest/gtest.h>

// One QApplication for the whole binary, on the offscreen platform unless the
// caller chose another, so widget tests run without a display.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    corvanta::SetResourcesFolderForTesting(CORVANTA_TEST_RESOURCES_DIR);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
