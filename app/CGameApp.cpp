#include "CGameApp.h"

#include "CWatchRowDlg.h"
#include "ShellDialogs.h"
#include "WatchFile.h"

#include "platform/MessageBox.h"
#include "platform/ModalRunner.h"
#include "ui/CGameFrame.h"

#include <QByteArray>
#include <QFile>
#include <QLocale>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace brinox {

namespace {

int stopPipe[2] = {-1, -1};

void RequestStop(int) {
    const char byte = 1;
    // Only async-signal-safe work here; a full pipe already holds a request.
    [[maybe_unused]] const ssize_t written = write(stopPipe[1], &byte, 1);
}

// A session logout or a terminal's Ctrl+C ends the game like closing its
// window: the loop returns and the window's closing work saves everything.
// The signal handler writes to a pipe the loop watches, so nothing polls.
void EndOnTerminationSignals(QApplication& app, QObject* owner) {
    if (stopPipe[0] < 0 && pipe2(stopPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    auto* watch = new QSocketNotifier(stopPipe[0], QSocketNotifier::Read, owner);
    QObject::connect(watch, &QSocketNotifier::activated, &app, [&app] {
        char byte = 0;
        while (read(stopPipe[0], &byte, 1) > 0) {
        }
        app.quit();
    });
    std::signal(SIGTERM, RequestStop);
    std::signal(SIGINT, RequestStop);
    std::signal(SIGHUP, RequestStop);
}

// Milliseconds since this process was started, from the kernel's own record.
long long MillisecondsSinceProcessStart() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    QFile uptime(QStringLiteral("/proc/uptime"));
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray statText = stat.readAll();
    // The command name may hold spaces; the fields after it are counted from its ')'.
    const QList<QByteArray> fields = statText.mid(statText.lastIndexOf(')') + 2).split(' ');
    constexpr int kStartTimeField = 19; // field 22 of the whole line
    if (fields.size() <= kStartTimeField) {
        return -1;
    }
    const double ticksPerSecond = static_cast<double>(sysconf(_SC_CLK_TCK));
    const double started = fields[kStartTimeField].toDouble() / ticksPerSecond;
    const double now = uptime.readAll().split(' ').value(0).toDouble();
    return static_cast<long long>((now - started) * 1000.0);
}

} // namespace

CGameApp::CGameApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Brinox 2000"));
    language.Install(QLocale::system().uiLanguages());
}

CGameApp::~CGameApp() {
    removeEventFilter(&keyFilter);
    keyFilter.Watch(nullptr, nullptr, nullptr);
    frame.reset();
}

int CGameApp::Run(const std::optional<QString>& watchFile) {
    frame = std::make_unique<CGameFrame>();
    frame->SetChampionshipExchange(&championship);
    frame->SetInformationDialogs(ShellDialogs());
    keyFilter.Watch(&frame->Engine(), frame.get(), &frame->Held());
    installEventFilter(&keyFilter);
    if (qEnvironmentVariableIntValue("BRINOX_REPORT_FIRST_FRAME") == 1) {
        connect(frame.get(), &CGameFrame::FirstFramePainted, this, [this] { ReportFirstFrame(); });
    }
    int status = frame->ExitCode();
    EndOnTerminationSignals(*this, frame.get());
    if (!frame->QuitRequested()) {
        frame->show();
        if (watchFile) {
            WatchAtStart(*watchFile);
        }
        status = exec();
        if (frame->QuitRequested()) {
            status = frame->ExitCode();
        }
    }
    keyFilter.Watch(nullptr, nullptr, nullptr);
    removeEventFilter(&keyFilter);
    // The window's destruction writes the running time, the options and ws.dat.
    frame.reset();
    return status;
}

void CGameApp::WatchAtStart(const QString& path) {
    const WatchFile file = WatchFile::Read(QFile::encodeName(path).toStdString());
    if (file.status != WatchFile::Status::Ok) {
        ShowWarning(frame.get(), file.status == WatchFile::Status::Unreadable
                                     ? tr("ERROR! It is impossible to read %1").arg(path)
                                     : tr("%1 holds no replay to watch").arg(path));
        return;
    }
    std::size_t chosen = 0;
    if (file.bundle) {
        CWatchRowDlg chooser(file.replays, frame.get());
        if (RunModal(chooser) != QDialog::Accepted || chooser.Chosen() < 0) {
            return;
        }
        chosen = static_cast<std::size_t>(chooser.Chosen());
    }
    frame->WatchReplay(file.replays[chosen].bytes);
}

void CGameApp::ReportFirstFrame() const {
    std::printf("first frame: %lld ms\n", MillisecondsSinceProcessStart());
    std::fflush(stdout);
}

} // namespace brinox
