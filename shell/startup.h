#pragma once

// The program's start-up: the process run and the glue that joins the
// program's classes to the framework. Split into its steps so each can be
// driven on its own.
namespace corvanta {

// The whole process: starts the runtime, runs the class initializers, the
// main routine and the finalizers, and gives the exit code. An exception that
// escapes a step ends the run at once with 1. The arguments are only handed
// to the runtime (Qt wants them); the program reads none.
int RunProcess(int argc, char** argv);

// Adds the program's class initializers to the runtime's list.
void AddClassInitializers();

// Early start-up, the framework's initialization with the late start-up
// callback, then the event loop. An exception from any of them goes to the
// unhandled-exception handler; one raised by that handler passes on.
void Main();

void EarlyStartup();
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();
void LateStartup();
void MakeDefaultView();

} // namespace corvanta
