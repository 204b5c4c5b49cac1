#pragma once
// The plan editor as a user meets it: the started program with its frame,
// the editor shown on its own at 400 × 400 pixels (20 pixels a metre), the
// mouse driven by events sent to it, the picture read back from the frame
// buffer. Runs under Xvfb with Mesa's software renderer.
#include "shell/RahmenTestHilfen.h"
#include "support/Ausgabedatei.h"

#include "model/Haus.h"
#include "ui/SteuerelementId.h"
#include "views/C2DView.h"
#include "views/CEingabeAssistentDlg.h"

#include <QImage>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>

#include <cmath>

namespace zeva::test {

class Planeditor : public GestartetesProgramm {
protected:
    void SetUp() override
    {
        GestartetesProgramm::SetUp();
        // The program's step switch makes the editor and its pane at step 8.
        Haus().Phase = 8;
        rahmen->ZeigeSchritt();
        ansicht = qobject_cast<C2DView*>(rahmen->Ansicht2D());
        ASSERT_NE(ansicht, nullptr) << "OpenGL is there under Xvfb";
        assistent = qobject_cast<CEingabeAssistentDlg*>(rahmen->Eingabeassistent());
        ASSERT_NE(assistent, nullptr);
        // The editor on its own, 400 × 400 pixels: 20 pixels a metre.
        ansicht->setParent(nullptr);
        ZeigeAllein();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(ansicht));
        assistent->show();
    }

    void ZeigeAllein()
    {
        ansicht->resize(400, 400);
        ansicht->show();
        QCoreApplication::processEvents();
    }

    // The frame's step switch shows a step; the editor stays on its own.
    void ZeigeSchritt(int phase)
    {
        Haus().Phase = phase;
        rahmen->ZeigeSchritt();
        ZeigeAllein();
    }

    void TearDown() override
    {
        if (ansicht && !ansicht->parentWidget())
            delete ansicht.data();
        GestartetesProgramm::TearDown();
    }

    zeva::Haus& Haus() const { return rahmen->AktuellesHaus(); }
    const Punkt2DArray& Umriss() const { return Haus().m_aZone[0].m_a2DGrundrissPunkte; }

    QPoint Pixel(double x, double y) const
    {
        Punkt2D p(x, y);
        ansicht->ModellZuFenster(p);
        return {static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y))};
    }
    // Moves go straight to the widget: QTest would warp the X pointer, which
    // the other test processes on the same X server move as well.
    static void BewegeZu(QWidget* w, QPoint p, Qt::MouseButtons gehalten = Qt::NoButton)
    {
        QMouseEvent bewegung(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, gehalten, Qt::NoModifier);
        QApplication::sendEvent(w, &bewegung);
    }
    void Bewege(double x, double y) { BewegeZu(ansicht, Pixel(x, y)); }
    void Klick(double x, double y, Qt::MouseButton knopf = Qt::LeftButton)
    {
        Bewege(x, y);
        QTest::mouseClick(ansicht, knopf, {}, Pixel(x, y));
    }
    void Klicks(std::initializer_list<Punkt2D> punkte)
    {
        for (const Punkt2D& p : punkte)
            Klick(p.x, p.y);
    }
    // As the system delivers it: press, release, double click, release.
    void Doppelklick(double x, double y)
    {
        Bewege(x, y);
        const QPoint p = Pixel(x, y);
        QTest::mousePress(ansicht, Qt::LeftButton, {}, p);
        QTest::mouseRelease(ansicht, Qt::LeftButton, {}, p);
        QMouseEvent doppel(QEvent::MouseButtonDblClick, p, ansicht->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                           Qt::NoModifier);
        QApplication::sendEvent(ansicht, &doppel);
        QTest::mouseRelease(ansicht, Qt::LeftButton, {}, p);
    }

    QImage Bild() const { return ansicht->grabFramebuffer(); }
    // Grey value at a plan point; a line on a pixel boundary may lie in the
    // column (or row) on either side, so the darker of the two counts.
    int Grau(const QImage& bild, double x, double y, bool senkrecht) const
    {
        const QPoint p = Pixel(x, y);
        const QPoint nachbar = senkrecht ? QPoint(p.x() - 1, p.y()) : QPoint(p.x(), p.y() - 1);
        return std::min(qGray(bild.pixel(p)), qGray(bild.pixel(nachbar)));
    }
    QString Wert(int id) const { return assistent->Text(id); }
    void Speichere(const char* name) const { Bild().save(test::Ausgabedatei(QStringLiteral("%1.png").arg(QLatin1String(name)))); }


    QPointer<C2DView> ansicht;
    QPointer<CEingabeAssistentDlg> assistent;
};

} // namespace zeva::test
