// Opening the display, in processes of their own with a controlled
// environment: the built application where no display can be opened (one
// line on standard error, exit code 1, no abort), and a probe that opens the
// display as the application does where a platform is at hand.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

// An X display number that nothing serves: no socket, named or abstract, and
// no lock file.
QString unservedDisplay()
{
    QFile unixSockets(QStringLiteral("/proc/net/unix"));
    const QByteArray sockets = unixSockets.open(QIODevice::ReadOnly) ? unixSockets.readAll() : QByteArray();
    for (int n = 97; n < 200; ++n) {
        const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(n);
        if (!QFile::exists(socket) && !QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n))
            && !sockets.contains((socket + QLatin1Char('\n')).toUtf8()))
            return QStringLiteral(":%1").arg(n);
    }
    return {};
}

struct DisplayCase {
    const char* name;
    // Set on top of an environment without any display or platform; "<X>"
    // stands for a display number that nothing serves.
    std::map<std::string, std::string> variables;
    bool starts;
    // For a start: Qt's own message that must still reach standard error.
    const char* passedOn = "";
};

void PrintTo(const DisplayCase& c, std::ostream* os) { *os << c.name; }

class OpeningTheDisplay : public ::testing::TestWithParam<DisplayCase> {
protected:
    struct Run {
        int code = -1;
        bool crashed = true;
        std::string out;
        std::string err;
    };

    Run run(const QString& program)
    {
        Run result;
        if (!QFile::exists(program)) {
            ADD_FAILURE() << "no executable at " << program.toStdString();
            return result;
        }
        EXPECT_TRUE(runtimeDir_.isValid());
        const QString display = unservedDisplay();
        if (display.isEmpty()) {
            ADD_FAILURE() << "every X display number from 97 to 199 is in use";
            return result;
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY",
                                 "WAYLAND_DISPLAY",
                                 "QT_QPA_PLATFORM",
                                 "XDG_SESSION_TYPE",
                                 "QT_LOGGING_RULES",
                                 "QT_MESSAGE_PATTERN",
                                 "QT_FATAL_WARNINGS"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir_.path());
        for (const auto& [name, value] : GetParam().variables)
            env.insert(QString::fromStdString(name),
                       QString::fromStdString(value).replace(QStringLiteral("<X>"), display));

        QProcess process;
        process.setProcessEnvironment(env);
        process.start(program, {});
        if (!process.waitForFinished(60000)) {
            process.kill();
            process.waitForFinished();
            ADD_FAILURE() << program.toStdString() << " did not end";
            return result;
        }
        result.code = process.exitCode();
        result.crashed = process.exitStatus() != QProcess::NormalExit;
        result.out = process.readAllStandardOutput().toStdString();
        result.err = process.readAllStandardError().toStdString();
        return result;
    }

private:
    QTemporaryDir runtimeDir_;
};

TEST_P(OpeningTheDisplay, TheApplicationStartsOrSaysSoInOneLine)
{
    const DisplayCase& c = GetParam();
    if (c.starts) {
        // The application would run until quit; the probe stops once the display is open.
        const Run r = run(QStringLiteral(CORVANTA_DISPLAY_PROBE));
        EXPECT_FALSE(r.crashed) << r.err;
        EXPECT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(r.out, "platform=offscreen\n") << r.err;
        EXPECT_EQ(r.err.find("no display could be opened"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(c.passedOn), std::string::npos) << r.err;
        return;
    }
    const Run r = run(QStringLiteral(CORVANTA_EXECUTABLE));
    EXPECT_FALSE(r.crashed) << "the application aborted instead of exiting with 1:\n" << r.err;
    EXPECT_EQ(r.code, 1) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("Corvanta: no display could be opened", 0), 0u) << r.err;
    ASSERT_FALSE(r.err.empty());
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "more than one line:\n" << r.err;
}

const DisplayCase kDisplayCases[] = {
    {"NoDisplayAtAll", {}, false},
    {"XServerNotThere", {{"DISPLAY", "<X>"}}, false},
    {"XChosenButNotThere", {{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", "<X>"}}, false},
    // A Wayland session whose compositor is gone.
    {"WaylandNotThere", {{"WAYLAND_DISPLAY", "corvanta-test-none"}, {"XDG_SESSION_TYPE", "wayland"}}, false},
    {"UnknownPlatform", {{"QT_QPA_PLATFORM", "nosuchplatform"}}, false},
    {"OffscreenWithoutDisplay", {{"QT_QPA_PLATFORM", "offscreen"}}, true},
    {"OffscreenBesideAnAbsentX", {{"QT_QPA_PLATFORM", "offscreen"}, {"DISPLAY", "<X>"}}, true},
    // Qt falls back to the next platform of the list; what it said about
    // the first one still shows.
    {"FallbackAfterX",
     {{"QT_QPA_PLATFORM", "xcb;offscreen"}, {"DISPLAY", "<X>"}},
     true,
     "could not connect to display"},
};

INSTANTIATE_TEST_SUITE_P(Environments, OpeningTheDisplay, ::testing::ValuesIn(kDisplayCases), [](const auto& info) {
    return std::string(info.param.name);
});

} // namespace
