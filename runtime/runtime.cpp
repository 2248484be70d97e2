#include "runtime.h"

#include "application.h"
#include "display.h"
#include "handlers.h"

#include <QApplication>

#include <string>
#include <utility>
#include <vector>

#ifndef CORVANTA_VERSION
#error "CORVANTA_VERSION must come from the build (the project version)"
#endif

namespace corvanta::Runtime {
namespace {

struct State {
    // QApplication keeps references to argc and argv for its whole life.
    std::string programName;
    int argc = 1;
    char* argv[2] = {nullptr, nullptr};
    QApplication* app = nullptr; // lives until the process ends

    std::vector<std::function<void()>> initializers;
    std::vector<std::function<void()>> finalizers;
    std::function<void()> lateStartup;

    bool loopRunning = false;
    bool quitPending = false;
    std::int64_t quitCount = 0;
    int exitCode = 0;
};

State& state()
{
    static State s;
    return s;
}

// Each list runs once; what is added afterwards waits for the next call.
void runOnce(std::vector<std::function<void()>>& list)
{
    std::vector<std::function<void()>> pending;
    pending.swap(list);
    for (auto& routine : pending)
        if (routine)
            routine();
}

} // namespace

void Init(int argc, char** argv)
{
    State& s = state();
    if (!QCoreApplication::instance()) {
        // Only the program's name is passed on: the program reads no arguments,
        // and Qt must not interpret any either.
        s.programName = (argc > 0 && argv && argv[0]) ? argv[0] : "Corvanta";
        s.argv[0] = s.programName.data();
        s.argc = 1;
        s.app = OpenDisplay(s.argc, s.argv);
    }
    // Quitting after the last window is the application object's AutoQuit.
    QApplication::setQuitOnLastWindowClosed(false);
    QCoreApplication::setApplicationName(QStringLiteral("Corvanta"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CORVANTA_VERSION));
}

void AddInitializer(std::function<void()> initializer) { state().initializers.push_back(std::move(initializer)); }

void PerformInitializers() { runOnce(state().initializers); }

void AddFinalizer(std::function<void()> finalizer) { state().finalizers.push_back(std::move(finalizer)); }

void PerformFinalizers() { runOnce(state().finalizers); }

void RunFrameworkInitialization(std::function<void()> lateStartup) { state().lateStartup = std::move(lateStartup); }

void Run()
{
    // Also raises when Init has not created the application.
    RequireUIThread();
    State& s = state();

    // A failed start-up leaves no event loop running with nothing to show.
    if (auto lateStartup = std::exchange(s.lateStartup, nullptr)) {
        try {
            lateStartup();
        } catch (...) {
            UnhandledException(std::current_exception());
            return;
        }
    }
    if (auto app = GetAppObject())
        app->raiseOpen();

    // A quit asked before the loop (during start-up or the Open event) ends it
    // before it starts.
    if (s.quitPending) {
        s.quitPending = false;
        s.exitCode = 0;
        return;
    }
    struct LoopFlag {
        bool& running;
        explicit LoopFlag(bool& flag) : running(flag) { running = true; }
        ~LoopFlag() { running = false; }
    } flag(s.loopRunning);
    s.exitCode = QCoreApplication::exec();
}

void Quit()
{
    State& s = state();
    ++s.quitCount;
    // QCoreApplication::exit does nothing before the loop runs (and would leave
    // Qt's quit flag set for later loops), so an early quit waits for Run.
    if (s.loopRunning)
        QCoreApplication::exit(0);
    else
        s.quitPending = true;
}

std::int64_t QuitCount() { return state().quitCount; }

int Exit() { return state().exitCode; }

void UnhandledException(const std::exception_ptr& error)
{
    if (!error)
        return;
    state().exitCode = 1;
    ReportException(error);
}

} // namespace corvanta::Runtime
