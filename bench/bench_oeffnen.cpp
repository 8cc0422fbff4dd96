// Opening the heaviest document the windows can make (bench/volles_dokument.h:
// nine families of 101 members, every object table full) in the started
// program, as the Open button does it, against one redraw of the same
// document in the same run.
//
// An open replaces every field of every tool window, refreshes the windows,
// fills the value table and draws the picture. The ratio says what all of
// that costs beyond the one redraw it cannot do without: 1 would be an open
// that costs no more than its picture. Both sample every graph anew (the
// store of sampled graphs is emptied before each), as an open of another
// document must.
//
// The program runs offscreen with a settings folder of its own; the graph
// window has the size the start gives it at 1024 x 768.
#include "bench/verhaeltnis.h"
#include "bench/volles_dokument.h"
#include "engine/dokument.h"
#include "graph/graphik.h"
#include "main/form1.h"
#include "main/programm.h"
#include "platform/dateidialog.h"
#include "platform/dialoge.h"
#include "platform/fensterhilfen.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

QString Pfad;

struct TWahl : TDateiDialog {
    std::optional<QString> Speichern(QWidget*, const QString&, const QString&) override { return Pfad; }
    std::optional<QString> Oeffnen(QWidget*, const QString&, const QString&) override { return Pfad; }
};

// Any question (save the changes first?) is answered No, any message taken.
struct TStill : TJaNeinFrage, TMeldung {
    QMessageBox::StandardButton Frage(const QString&, const QString&) override { return QMessageBox::No; }
    void Zeige(const QString&) override {}
};

void BM_Oeffnen(benchmark::State& state)
{
    int vorher = 0;
    for (auto _ : state) {
        // From a new drawing, so that every field changes.
        state.PauseTiming();
        Form1->SpeedButton3Click();
        Graphik->Proben.reset();
        vorher = Graphik->Neuzeichnungen();
        state.ResumeTiming();
        Form1->SpeedButton7Click();
        if (Graphik->Neuzeichnungen() != vorher + 1)
            state.SkipWithError("an open did not draw exactly once");
    }
}

void BM_Neuzeichnen(benchmark::State& state)
{
    for (auto _ : state) {
        Graphik->Proben.reset();
        Graphik->GraphikResize();
    }
}

BENCHMARK(BM_Neuzeichnen)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();
BENCHMARK(BM_Oeffnen)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();

}  // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QTemporaryDir ordner;
    if (!ordner.isValid())
        return 1;
    setenv("XDG_CONFIG_HOME", ordner.path().toLocal8Bit().constData(), 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    Pfad = ordner.filePath(QStringLiteral("voll.kvd"));
    {
        const std::vector<std::uint8_t> bytes = EncodeDokument(VollesDokument());
        QFile f(Pfad);
        if (!f.open(QIODevice::WriteOnly) ||
            f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) !=
                static_cast<qint64>(bytes.size()))
            return 1;
    }
    TWahl wahl;
    TStill still;
    SetDateiDialog(&wahl);
    SetJaNeinFrage(&still);
    SetMeldung(&still);
    ProgrammStarten({});
    Graphik->show();
    // The redraws measure the opened document.
    Form1->SpeedButton7Click();

    TVerhaeltnisReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto zeit = [&](const std::string& name) {
        const auto t = reporter.Zeiten.find(name);
        return t == reporter.Zeiten.end() ? 0.0 : t->second;
    };
    const double oeffnen = zeit("BM_Oeffnen");
    const double bild = zeit("BM_Neuzeichnen");
    if (oeffnen > 0 && bild > 0)
        std::printf("open of the full-tables document: %.1f ms, one redraw of it %.1f ms, ratio %.2f (goal at most 2)\n",
                    oeffnen, bild, oeffnen / bild);
    ProgrammBeenden();
    SetDateiDialog(nullptr);
    SetJaNeinFrage(nullptr);
    SetMeldung(nullptr);
    benchmark::Shutdown();
    return 0;
}
