#include "picture.h"

#include <QApplication>
#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
// The leak check at exit walks the dynamic TLS blocks that the sanitizer's
// __tls_get_addr hook recorded; with this glibc it can record a bogus block,
// and the check then crashes after every test passed. Without the hook it
// still scans the threads' stacks, static TLS and the heap.
extern "C" const char* __asan_default_options() { return "intercept_tls_get_addr=0"; }
#endif

// One QApplication for the whole binary, on the offscreen platform unless the
// caller chose another, so widget tests run without a display. The tests
// expect the English texts whatever the caller's locale, so the locale is
// C.UTF-8, unless a test starts this binary to read a locale it set itself
// (CORVANTA_TEST_CALLERS_LOCALE).
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("CORVANTA_TEST_CALLERS_LOCALE")) {
        for (const char* name : {"LANGUAGE", "LC_MESSAGES"})
            qunsetenv(name);
        qputenv("LANG", "C.UTF-8");
        qputenv("LC_ALL", "C.UTF-8");
    }
    QApplication app(argc, argv);
    corvanta::SetResourcesFolderForTesting(CORVANTA_TEST_RESOURCES_DIR);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
