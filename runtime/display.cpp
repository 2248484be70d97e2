#include "display.h"

#include <QApplication>
#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

namespace corvanta::Runtime {
namespace {

bool isSet(const char* name) { return !qEnvironmentVariableIsEmpty(name); }

// What was there to try, for the user to see.
std::string tried()
{
    std::string list;
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        if (!isSet(name))
            continue;
        list += list.empty() ? " (" : ", ";
        list += name;
        list += '=';
        list += qgetenv(name).toStdString();
    }
    return list.empty() ? " (neither DISPLAY nor WAYLAND_DISPLAY is set)" : list + ")";
}

[[noreturn]] void noDisplay()
{
    std::fflush(stdout);
    std::fprintf(stderr, "Corvanta: no display could be opened%s\n", tried().c_str());
    std::fflush(stderr);
    // Qt may be half set up: nothing else is to run on the way out.
    std::_Exit(1);
}

struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

std::mutex heldMutex;
std::vector<HeldMessage> held;

// Installed only while the application is created. The one fatal message
// Qt gives there is that no platform plugin could start.
void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg)
        noDisplay();
    std::lock_guard lock(heldMutex);
    held.push_back({type, context.file, context.line, context.function, context.category, text});
}

} // namespace

QApplication* OpenDisplay(int& argc, char** argv)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Without a chosen platform Qt tries X11 or Wayland; with neither named
    // there is nothing to try.
    if (!isSet("QT_QPA_PLATFORM") && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY"))
        noDisplay();
#endif
    const QtMessageHandler previous = qInstallMessageHandler(&holdMessage);
    auto* app = new QApplication(argc, argv);
    qInstallMessageHandler(previous);

    std::vector<HeldMessage> messages;
    {
        std::lock_guard lock(heldMutex);
        messages.swap(held);
    }
    for (const HeldMessage& m : messages)
        qt_message_output(
            m.type,
            QMessageLogContext(m.file.constData(), m.line, m.function.constData(), m.category.constData()),
            m.text);
    return app;
}

} // namespace corvanta::Runtime
