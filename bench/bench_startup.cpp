// Start-up: time from process start to the main window's first paint on the
// offscreen platform, and peak resident memory with the 16-channel table shown.
// The driver starts itself as a child several times and prints the figures.
#include "app/Program.h"
#include "app/TfMainFrm.h"

#include <QApplication>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>

namespace {

qint64 monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            const qint64 painted = monotonicNs();
            // Let the channel window show its table before memory is measured.
            QTimer::singleShot(200, [painted] {
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("%lld %ld\n", static_cast<long long>(painted), usage.ru_maxrss);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

int child(int argc, char *argv[])
{
    QApplication app(argc, argv);
    DataModuleCreate(ExecutableDir());
    TfMainFrm window;
    FirstPaint probe;
    window.installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--child") == 0)
        return child(argc, argv);

    QCoreApplication app(argc, argv);
    constexpr int runs = 10;
    QList<double> paints, memories;
    for (int i = 0; i < runs; ++i) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
        const qint64 started = monotonicNs();
        process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child")});
        if (!process.waitForFinished(30000)) {
            std::fprintf(stderr, "the program did not paint\n");
            return 1;
        }
        const QList<QByteArray> fields = process.readAllStandardOutput().trimmed().split(' ');
        if (fields.size() != 2)
            return 1;
        paints.append(double(fields[0].toLongLong() - started) / 1e6);
        memories.append(fields[1].toDouble() / 1024.0);
    }
    std::sort(paints.begin(), paints.end());
    std::sort(memories.begin(), memories.end());
    std::printf("first paint   median %6.1f ms   min %6.1f ms   max %6.1f ms   (goal < 150 ms)\n",
                paints[runs / 2], paints.first(), paints.last());
    std::printf("peak memory   median %6.1f MB   max %6.1f MB   (goal < 60 MB)\n",
                memories[runs / 2], memories.last());
    return 0;
}
