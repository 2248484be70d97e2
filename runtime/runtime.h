#pragma once

#include <cstdint>
#include <exception>
#include <functional>

// Process-level services: start, class initializers and finalizers, the
// event loop and the unhandled-exception handler.
namespace corvanta::Runtime {

// Creates the Qt application. The program's own arguments are not read.
// With no display to open it writes one line on standard error and ends the
// process with code 1.
void Init(int argc, char** argv);

// Initializer and finalizer lists, run in the order added.
void AddInitializer(std::function<void()> initializer);
void PerformInitializers();
void AddFinalizer(std::function<void()> finalizer);
void PerformFinalizers();

// Hands the framework the late start-up callback; Run calls it once, before
// the application's Open event and the event loop.
void RunFrameworkInitialization(std::function<void()> lateStartup);

// Runs the event loop until the application quits.
void Run();
// Ends the event loop (the Quit command, or AutoQuit after the last window).
void Quit();
// How many times Quit has been asked so far; tests read it.
std::int64_t QuitCount();
// The process exit code: the event loop's result; 1 when an exception has
// reached UnhandledException since; 0 when neither happened.
int Exit();

// Reports an exception that escaped start-up or the loop on standard error;
// the run then counts as failed (Exit gives 1).
void UnhandledException(const std::exception_ptr& error);

} // namespace corvanta::Runtime
