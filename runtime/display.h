#pragma once

class QApplication;

namespace corvanta::Runtime {

// Creates the Qt application on its display. When there is no display to
// open, writes one line saying so on standard error and ends the process with
// code 1, where Qt would abort with advice that does not apply. Qt's other
// messages from that time are passed on once the application stands.
QApplication* OpenDisplay(int& argc, char** argv);

} // namespace corvanta::Runtime
