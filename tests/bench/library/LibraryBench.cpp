// Times the design library over generated designs: the first listing, the
// listing from the cache, and sorting and filtering the rows.
// Usage: librarybench PROGRAM_DIR [COUNT]
#include "library/qt/LibraryLoader.h"
#include "library/qt/LibraryModel.h"
#include "platform/Messages.h"
#include "startup/Startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

namespace {

// The sample designs under new names, each with its displacement and speed
// varied so no two are alike.
void generate(const QString& samples, const QString& out, int count) {
    QStringList texts;
    for (const QString& name : QDir(samples).entryList({QStringLiteral("*.sdf")}, QDir::Files, QDir::Name)) {
        QFile f(QDir(samples).filePath(name));
        if (f.open(QIODevice::ReadOnly)) texts << QString::fromLatin1(f.readAll());
    }
    for (int i = 0; i < count; ++i) {
        QString text = texts[i % texts.size()];
        text.replace(QRegularExpression(QStringLiteral("Displacement=\\d+")),
                     QStringLiteral("Displacement=%1").arg(2000 + (i * 37) % 40000));
        text.replace(QRegularExpression(QStringLiteral("Speed=\\d+")), QStringLiteral("Speed=%1").arg(12 + i % 20));
        QFile f(QStringLiteral("%1/Bench %2.sdf").arg(out).arg(i, 5, 10, QLatin1Char('0')));
        if (f.open(QIODevice::WriteOnly)) f.write(text.toLatin1());
    }
}

double cpuSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

// Wall-clock seconds until every row is in the table; cpu gets the
// processor time, which a loaded machine disturbs less.
double listOnce(const ProgramData& data, const QString& folder, const QString& cache, int count, bool& complete,
                double& cpu) {
    TLibraryModel model;
    const double cpuStart = cpuSeconds();
    QElapsedTimer clock;
    clock.start();
    TLibraryLoader loader(data, model, cache);
    loader.SetFolders({folder});
    while (model.rowCount() < count && clock.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const double seconds = clock.nsecsElapsed() / 1e9;
    cpu = cpuSeconds() - cpuStart;
    complete = model.rowCount() == count;
    loader.SaveCache();
    return seconds;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fputs("Usage: librarybench PROGRAM_DIR [COUNT]\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::string programDir = std::string(argv[1]) + "/";
    const int count = argc > 2 ? std::atoi(argv[2]) : 10000;
    platform::RecordingMessages quiet;
    ProgramData data;
    LoadProgramData(programDir, data, quiet);

    QTemporaryDir work;
    const QString folder = work.path() + QStringLiteral("/designs");
    QDir().mkpath(folder);
    generate(QString::fromStdString(programDir + "Designs"), folder, count);
    const QString cache = work.path() + QStringLiteral("/library.cache");

    bool complete = false;
    double cpu = 0;
    const double first = listOnce(data, folder, cache, count, complete, cpu);
    std::printf("designs: %d\nfirst listing: %.3f s (cpu %.3f s)%s\n", count, first, cpu,
                complete ? "" : " (incomplete)");
    const double cached = listOnce(data, folder, cache, count, complete, cpu);
    std::printf("from the cache: %.3f s (cpu %.3f s)%s\n", cached, cpu, complete ? "" : " (incomplete)");

    TLibraryModel model;
    TLibraryLoader loader(data, model, cache);
    loader.SetFolders({folder});
    double worstSort = 0;
    for (int c = 0; c < kLibraryColumns; ++c)
        for (Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            QElapsedTimer clock;
            clock.start();
            model.sort(c, order);
            worstSort = std::max(worstSort, clock.nsecsElapsed() / 1e6);
        }
    std::printf("sort, slowest column: %.1f ms\n", worstSort);
    double worstFilter = 0;
    for (const LibraryFilter& f :
         {LibraryFilter{"bench 01", "", "", {}, {}}, LibraryFilter{"", "Germany", "BB", {}, {}},
          LibraryFilter{"", "", "", 10000, 20000}, LibraryFilter{}}) {
        QElapsedTimer clock;
        clock.start();
        model.SetFilter(f);
        worstFilter = std::max(worstFilter, clock.nsecsElapsed() / 1e6);
    }
    std::printf("filter, slowest: %.1f ms\n", worstFilter);
    return 0;
}
