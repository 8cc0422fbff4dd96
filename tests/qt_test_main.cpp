// Test entry for everything that touches Qt: one QApplication on the
// offscreen platform for the whole run, then GoogleTest.
//
// Every temporary folder and file of a run lives in one folder of the run's
// own, named after its process. A normal end removes it; a run that crashed
// or was killed leaves that one folder, and the next run removes the
// folders of processes that are gone.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <unistd.h>

namespace {

const QString LaufPraefix = QStringLiteral("tessaplun-tests-");

void ResteEntfernen(const QString& basis)
{
    const QFileInfoList alte = QDir(basis).entryInfoList({LaufPraefix + QLatin1Char('*')}, QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo& alt : alte) {
        bool zahl = false;
        const qint64 pid = alt.fileName().mid(LaufPraefix.size()).toLongLong(&zahl);
        if (zahl && pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            QDir(alt.filePath()).removeRecursively();
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const QString basis = QDir::tempPath();
    ResteEntfernen(basis);
    const QString lauf = basis + QLatin1Char('/') + LaufPraefix + QString::number(::getpid());
    const bool eigener = QDir().mkpath(lauf);
    if (eigener)
        setenv("TMPDIR", QFile::encodeName(lauf).constData(), 1);
    int rc = 0;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        rc = RUN_ALL_TESTS();
    }
    if (eigener)
        QDir(lauf).removeRecursively();
    return rc;
}
