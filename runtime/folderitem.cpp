#include "folderitem.h"

#include "frameworktexts.h"
#include "handlers.h"
#include "private/qtconversions.h"
#include "window.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <mutex>
#include <set>

namespace corvanta {
namespace {
std::mutex& launcherMutex()
{
    static std::mutex m;
    return m;
}
std::function<bool(const std::string&)>& launcherOverride()
{
    static std::function<bool(const std::string&)> launcher;
    return launcher;
}
std::string& openerOverride()
{
    static std::string opener;
    return opener;
}

// Tells the user, over the window in front and without waiting for an
// answer, that the document at `path` could not be opened, and where it lies.
void tellNotOpened(const QString& path)
{
    const QFileInfo document(path);
    // The framework's window in front: the one the user chose the command in,
    // whether or not the desktop still calls it active.
    const std::shared_ptr<Window> frontWindow = Window::At(0);
    const QPointer<QWidget> front = frontWindow ? frontWindow->widget() : QApplication::activeWindow();
    auto* box = new QMessageBox(QMessageBox::Warning,
                                QGuiApplication::applicationDisplayName(),
                                toQString(Localized(kDocumentNotOpened)).arg(document.fileName()),
                                QMessageBox::Ok,
                                front);
    box->setInformativeText(
        toQString(Localized(kDocumentNotOpenedFolder)).arg(QDir::toNativeSeparators(document.absolutePath())));
    box->setObjectName(QStringLiteral("DocumentNotOpenedMessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    // The keyboard goes back to the window in front, also where no window
    // manager hands it over.
    QObject::connect(box, &QDialog::finished, [front] {
        if (front && front->isVisible())
            front->activateWindow();
    });
    box->show();
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
// The openers that have not answered yet. One still running when the
// application quits is left to run: its QProcess would kill it when
// destroyed, and on some desktops xdg-open waits for the application that
// shows the document. Held where a leak check still reaches them.
std::set<QProcess*>& runningOpeners()
{
    static auto* openers = new std::set<QProcess*>;
    return *openers;
}

// Hands the document to the desktop's opener and watches, from the event
// loop, how it ends; xdg-open exits non-zero when no application takes the
// document. False when there is no opener to start.
bool openWithDesktop(const QString& path, const std::string& openerForTesting)
{
    const QString opener = openerForTesting.empty() ? QStandardPaths::findExecutable(QStringLiteral("xdg-open"))
                                                    : toQString(openerForTesting);
    if (opener.isEmpty() || !QFileInfo(opener).isExecutable()) {
        tellNotOpened(path);
        return false;
    }
    auto* process = new QProcess;
    process->setProgram(opener);
    process->setArguments({path});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    runningOpeners().insert(process);
    const auto answered = [process, path](bool opened) {
        if (runningOpeners().erase(process) == 0)
            return; // answered already
        process->deleteLater();
        if (!opened)
            tellNotOpened(path);
    };
    QObject::connect(process, &QProcess::errorOccurred, process, [answered](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            answered(false);
    });
    QObject::connect(process, &QProcess::finished, process, [answered](int exitCode, QProcess::ExitStatus status) {
        answered(status == QProcess::NormalExit && exitCode == 0);
    });
    process->start();
    // A program that cannot be started may say so at once.
    return runningOpeners().count(process) != 0;
}
#else
bool openWithDesktop(const QString& path, const std::string&)
{
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        return true;
    tellNotOpened(path);
    return false;
}
#endif
} // namespace

FolderItem::FolderItem(std::string path)
    : path_(path.empty() ? std::string() : toStdString(QDir::cleanPath(toQString(path))))
{
}

std::string FolderItem::NativePath() const { return path_; }

std::string FolderItem::Name() const { return toStdString(QFileInfo(toQString(path_)).fileName()); }

std::shared_ptr<FolderItem> FolderItem::Parent() const
{
    if (path_.empty())
        return nullptr;
    const QString absolute = QDir::cleanPath(QFileInfo(toQString(path_)).absoluteFilePath());
    if (QDir(absolute).isRoot())
        return nullptr;
    return std::make_shared<FolderItem>(toStdString(QFileInfo(absolute).path()));
}

std::shared_ptr<FolderItem> FolderItem::Child(const std::string& name) const
{
    if (path_.empty() || name.empty() || name == "." || name == "..")
        return nullptr;
    if (name.find_first_of(std::string("/\\\0", 3)) != std::string::npos)
        return nullptr;
    return std::make_shared<FolderItem>(toStdString(QDir(toQString(path_)).filePath(toQString(name))));
}

bool FolderItem::Exists() const { return !path_.empty() && QFileInfo::exists(toQString(path_)); }

bool FolderItem::Directory() const { return !path_.empty() && QFileInfo(toQString(path_)).isDir(); }

bool FolderItem::Launch(bool activate) const
{
    // The desktop decides whether the opened application comes to the front.
    (void)activate;
    std::function<bool(const std::string&)> launcher;
    std::string opener;
    {
        std::lock_guard lock(launcherMutex());
        launcher = launcherOverride();
        opener = openerOverride();
    }
    if (launcher)
        return launcher(path_);
    RequireUIThread();
    if (path_.empty())
        return false;
    return openWithDesktop(toQString(path_), opener);
}

int FolderItem::LaunchesInProgress()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    RequireUIThread();
    return static_cast<int>(runningOpeners().size());
#else
    return 0;
#endif
}

void FolderItem::SetLauncherForTesting(std::function<bool(const std::string& path)> launcher)
{
    std::lock_guard lock(launcherMutex());
    launcherOverride() = std::move(launcher);
}

void FolderItem::SetOpenerForTesting(std::string opener)
{
    std::lock_guard lock(launcherMutex());
    openerOverride() = std::move(opener);
}

} // namespace corvanta
