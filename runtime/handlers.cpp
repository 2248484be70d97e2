#include "handlers.h"

#include "exceptions.h"

#include <QApplication>
#include <QThread>

#include <atomic>
#include <iostream>

namespace corvanta {
namespace {
std::atomic<int> reportedCount{0};
} // namespace

void ReportException(const std::exception_ptr& error)
{
    if (!error)
        return;
    ++reportedCount;
    try {
        std::rethrow_exception(error);
    } catch (const RuntimeException& e) {
        std::cerr << "Unhandled " << e.className() << ": " << e.what() << std::endl;
    } catch (const std::exception& e) {
        std::cerr << "Unhandled std::exception: " << e.what() << std::endl;
    } catch (...) {
        std::cerr << "Unhandled exception of unknown type" << std::endl;
    }
}

int ReportedExceptionCount() { return reportedCount.load(); }

void RequireUIThread()
{
    // Only a QApplication has a user interface; a bare QCoreApplication (or
    // none at all) means there is no UI thread to be on.
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app)
        throw ThreadAccessingUIException("there is no user interface to access");
    if (QThread::currentThread() != app->thread())
        throw ThreadAccessingUIException("the user interface was accessed from a thread other than the main thread");
}

} // namespace corvanta
