// Helper of bench/start.sh.
//   start_messhilfe parabel W H    a bare Qt window of W x H that paints the
//                                  graph of x^2 with QPainter and says when
//                                  it first did (platform/startzeit.h)
//   start_messhilfe dokument PATH [breit]
//                                  writes the full-tables document
#include "bench/volles_dokument.h"
#include "engine/dokument.h"
#include "platform/startzeit.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace {

class TParabel : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        // The start view's range: x from -5 to 6, y from -2 to 8.
        const double xMin = -5, xMax = 6, yMin = -2, yMax = 8;
        const double sx = width() / (xMax - xMin), sy = height() / (yMax - yMin);
        const auto px = [&](double x) { return (x - xMin) * sx; };
        const auto py = [&](double y) { return (yMax - y) * sy; };
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.setPen(Qt::black);
        p.drawLine(QPointF(0, py(0)), QPointF(width(), py(0)));
        p.drawLine(QPointF(px(0), 0), QPointF(px(0), height()));
        QPainterPath graph;
        for (int i = 0; i <= width(); ++i) {
            const double x = xMin + i / sx;
            const QPointF punkt(i, py(x * x));
            if (i == 0)
                graph.moveTo(punkt);
            else
                graph.lineTo(punkt);
        }
        p.setPen(QPen(Qt::red, 2));
        p.drawPath(graph);
    }
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "dokument") == 0) {
        const std::vector<std::uint8_t> bytes = EncodeDokument(VollesDokument(argc >= 4));
        std::ofstream f(argv[2], std::ios::binary);
        f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return f ? 0 : 1;
    }
    if (argc >= 4 && std::strcmp(argv[1], "parabel") == 0) {
        QApplication app(argc, argv);
        TParabel fenster;
        fenster.resize(std::stoi(argv[2]), std::stoi(argv[3]));
        ErstesBildMelden([&fenster](QObject* o) { return o == &fenster; });
        fenster.show();
        return QApplication::exec();
    }
    std::fprintf(stderr, "usage: start_messhilfe parabel W H | dokument PATH [breit]\n");
    return 2;
}
