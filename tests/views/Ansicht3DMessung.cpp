// Frame times of the 3D view on a large house: zone 0 a regular 100-gon of
// radius 9 m, 20 storeys of 2.5 m, a flat roof, window marks on every second
// wall (about 2,000 lit quads and 8,000 edge lines). Run it under an X
// server (Xvfb with Mesa's llvmpipe for the reference figures):
//   DISPLAY=:99 LIBGL_ALWAYS_SOFTWARE=1 ansicht3d_messung
// It prints the mean, median and 95th-percentile milliseconds of 300 frames,
// the frames per second and the time to compile the display list; the exit
// code is 1 when the median is above 33 ms.
#include "app/Programmteile.h"
#include "geometry/C3DGenerator.h"
#include "model/Haus.h"
#include "model/Notifier.h"
#include "shell/CMainFrame.h"
#include "shell/CZEVAApp.h"
#include "views/C3DView.h"

#include <GL/gl.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <vector>

extern "C" const char* __asan_default_options()
{
    return "detect_leaks=0";
}

namespace {

// The view with its paint reachable from outside.
class Messansicht final : public zeva::C3DView {
public:
    using C3DView::C3DView;
    void Male() { paintGL(); }
};

void Grosshaus(zeva::Haus& h)
{
    h.Steildach = 0;
    h.m_aDach.RemoveAll();
    h.Haushoehe = 55;
    zeva::Zone& z = h.m_aZone[0];
    z.Stockwerkszahl = 20;
    z.Stockwerkshoehe = 2.5;
    z.m_a2DGrundrissPunkte.RemoveAll();
    // Clockwise, as the plan editor stores outlines.
    for (int i = 0; i < 100; ++i) {
        const double w = -2 * M_PI * i / 100;
        z.m_a2DGrundrissPunkte.Add(zeva::Punkt2D(10 + 9 * std::cos(w), 10 + 9 * std::sin(w)));
    }
    z.Geschlossen = 1;
    h.Zonen = std::max(h.Zonen, 1);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication qt(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Welm-VKD"));
    QCoreApplication::setApplicationName(QStringLiteral("ZEVA-Messung"));
    zeva::CZEVAApp app({QStringLiteral("zeva")});
    zeva::RegistriereProgrammteile(app);
    if (!app.InitInstance()) {
        std::fprintf(stderr, "the program did not start\n");
        return 2;
    }
    zeva::CMainFrame* rahmen = app.Hauptfenster();
    zeva::Haus& haus = rahmen->AktuellesHaus();
    if (haus.m_aZone.empty())
        haus.m_aZone.Add(zeva::Zone());
    Grosshaus(haus);
    zeva::StillerNotifier notifier;
    if (!zeva::C3DGenerator(haus, notifier).Erzeuge3DFlaechen()) {
        std::fprintf(stderr, "the generator refused the house\n");
        return 2;
    }
    int waende = 0;
    for (zeva::Plane& p : haus.m_aPlane)
        if (zeva::ArtAusID(p.ID) == zeva::flaechenart::Geschosswand && waende++ % 2 == 0)
            p.FensterAufFlaechePlaziert = 1;
    haus.Phase = 15;

    Messansicht ansicht(rahmen, nullptr, false);
    ansicht.resize(1024, 768);
    ansicht.show();
    if (!QTest::qWaitForWindowExposed(&ansicht)) {
        std::fprintf(stderr, "no window\n");
        return 2;
    }
    ansicht.grabFramebuffer();

    QElapsedTimer uhr;
    uhr.start();
    ansicht.InitSzene(false);
    const double compile = uhr.nsecsElapsed() / 1e6;

    std::vector<double> ms;
    for (int i = 0; i < 300; ++i) {
        ansicht.SetzeDrehung(ansicht.DrehungX(), ansicht.DrehungY() + 1);
        uhr.restart();
        ansicht.makeCurrent();
        ansicht.Male();
        glFinish();
        ms.push_back(uhr.nsecsElapsed() / 1e6);
        ansicht.doneCurrent();
    }
    std::vector<double> sortiert = ms;
    std::sort(sortiert.begin(), sortiert.end());
    const double mittel = std::accumulate(ms.begin(), ms.end(), 0.0) / ms.size();
    const double median = (sortiert[149] + sortiert[150]) / 2;
    const double p95 = sortiert[static_cast<std::size_t>(0.95 * sortiert.size())];
    std::printf("planes %zu, cores %d\n", haus.m_aPlane.size(), QThread::idealThreadCount());
    std::printf("mean %.2f ms, median %.2f ms, 95th percentile %.2f ms, %.1f frames/s, list compile %.2f ms\n",
                mittel, median, p95, 1000.0 / mittel, compile);
    return median <= 33 ? 0 : 1;
}
