// SPDX-License-Identifier: GPL-3.0-or-later
// How long the program takes from its start to its first painted window, and
// how much memory it holds by then, against a bare Qt window of the same size
// (a label with a line of text, Qt's "hello world").
// The two are started in turns, in pairs, so that whatever else the machine
// does weighs on both alike; each child reports once its first window has
// painted and is then stopped.
//
//   bench_startup [pairs]        (20 pairs unless told; run it on the
//                                 platform to measure, e.g. under Xvfb)
#include "shell/screens.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

// The peak resident memory of this process so far, in KiB.
long peakMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

// Reports on standard output once the first window's first paint has
// finished (the queued call runs after the whole window is drawn and
// flushed), then ends the process without tearing anything down.
class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The first paint inside a window: the program's window is covered
        // by its page, so that the page paints and the window does not.
        if (event->type() == QEvent::Paint && !m_seen && watched->isWidgetType()) {
            m_seen = true;
            QWidget *window = static_cast<QWidget *>(watched)->window();
            // Posted, as the paint's own follow-ups are, so that it runs
            // as soon as the paint has finished.
            QMetaObject::invokeMethod(
                qApp,
                [window] {
                    std::printf("painted %ld %d %d\n", peakMemory(), window->width(), window->height());
                    std::fflush(stdout);
                    _exit(0);
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool m_seen{false};
};

int child(int argc, char *argv[], bool bare, int width, int height)
{
    QApplication app(argc, argv);
    // The bare window is Qt's "hello world": a label with a line of text.
    QLabel window(QStringLiteral("Hello, world"));
    window.setAlignment(Qt::AlignCenter);
    if (bare) {
        window.resize(width, height);
        window.show();
    } else {
        showStartScreen();
    }
    // Installed last, so that it sees the first paint before the program's
    // own filters, and reports before any work the program leaves for later.
    FirstPaint watcher;
    app.installEventFilter(&watcher);
    return app.exec();
}

struct Run {
    double milliseconds{0};
    long memory{0};
    int width{0};
    int height{0};
};

Run startChild(const QString &self, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    process.start(self, arguments);
    QByteArray line;
    while (!line.contains('\n') && process.waitForReadyRead(30000))
        line += process.readAllStandardOutput();
    Run run;
    run.milliseconds = clock.nsecsElapsed() / 1e6;
    process.waitForFinished(30000);
    const QList<QByteArray> fields = line.trimmed().split(' ');
    if (fields.size() != 4 || fields.first() != "painted") {
        std::fprintf(stderr, "bench_startup: a child did not paint: %s\n", line.constData());
        std::exit(1);
    }
    run.memory = fields.at(1).toLong();
    run.width = fields.at(2).toInt();
    run.height = fields.at(3).toInt();
    return run;
}

template<typename T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc >= 2 && qstrcmp(argv[1], "--program") == 0)
        return child(argc, argv, false, 0, 0);
    if (argc >= 4 && qstrcmp(argv[1], "--bare") == 0)
        return child(argc, argv, true, atoi(argv[2]), atoi(argv[3]));

    const int pairs = argc >= 2 ? std::max(1, atoi(argv[1])) : 20;
    QCoreApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    // One run of each first, to warm the caches and learn the window's size.
    const Run first = startChild(self, {QStringLiteral("--program")});
    const QStringList bareArguments{QStringLiteral("--bare"), QString::number(first.width),
                                    QString::number(first.height)};
    startChild(self, bareArguments);

    std::vector<double> timeRatios;
    std::vector<double> memoryRatios;
    std::vector<double> programTimes;
    std::vector<double> bareTimes;
    for (int i = 0; i < pairs; ++i) {
        // Alternate which of the pair goes first.
        Run program;
        Run bare;
        if (i % 2 == 0) {
            program = startChild(self, {QStringLiteral("--program")});
            bare = startChild(self, bareArguments);
        } else {
            bare = startChild(self, bareArguments);
            program = startChild(self, {QStringLiteral("--program")});
        }
        programTimes.push_back(program.milliseconds);
        bareTimes.push_back(bare.milliseconds);
        timeRatios.push_back(program.milliseconds / bare.milliseconds);
        memoryRatios.push_back(double(program.memory) / double(bare.memory));
        std::printf("pair %2d: program %7.2f ms %7ld KiB   bare window %7.2f ms %7ld KiB\n", i + 1,
                    program.milliseconds, program.memory, bare.milliseconds, bare.memory);
    }
    std::printf("\nstart to first paint, median of %d pairs: program %.2f ms, bare window %.2f ms\n", pairs,
                median(programTimes), median(bareTimes));
    std::printf("median ratio, time: %.3fx (goal at most 1.05x)\n", median(timeRatios));
    std::printf("median ratio, peak memory: %.3fx (goal at most 1.02x)\n", median(memoryRatios));
    return 0;
}
