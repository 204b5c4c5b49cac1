#include "ui/CSizingControlBar.h"

#include "ui/SteuerelementId.h"

#include <QChildEvent>
#include <QEvent>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

namespace zeva {

// The bar's window: the client area plus the margin around it.
class CSizingControlBar::BalkenFenster : public QWidget {
public:
    explicit BalkenFenster(CSizingControlBar* balken) : QWidget(balken), m_balken(balken)
    {
        setAutoFillBackground(true);
    }

    QSize minimumSizeHint() const override
    {
        const int d = m_balken->MindestDicke();
        return m_balken->IstVertikal() ? QSize(d, 0) : QSize(0, d);
    }
    QSize sizeHint() const override
    {
        const int d = m_balken->m_inhaltsBreite;
        return m_balken->IstVertikal() ? QSize(d, 200) : QSize(200, d);
    }

protected:
    void resizeEvent(QResizeEvent* ereignis) override
    {
        QWidget::resizeEvent(ereignis);
        m_balken->OrdneKlientAn();
        m_balken->FensterGroesse(size());
        m_balken->PlaneZiehGrenze();
    }
    void paintEvent(QPaintEvent*) override
    {
        QPainter maler(this);
        m_balken->ZeichneRahmenTeile(maler, m_balken->KlientRechteck());
    }
    // A click or double-click in the bar never floats it or starts a drag.
    void mousePressEvent(QMouseEvent* e) override { Maus(e); }
    void mouseMoveEvent(QMouseEvent* e) override { Maus(e); }
    void mouseReleaseEvent(QMouseEvent* e) override { Maus(e); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { e->accept(); }

    void Maus(QMouseEvent* e)
    {
        m_balken->RahmenMaus(e);
        e->accept();
    }

private:
    CSizingControlBar* m_balken;
};

// Inhalt(): every direct child widget fills it, at once when added and at
// every resize.
class CSizingControlBar::FuellBereich : public QWidget {
public:
    using QWidget::QWidget;

    void Fuelle()
    {
        for (QWidget* kind : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!kind->isWindow())
                kind->setGeometry(rect());
    }

protected:
    bool event(QEvent* ereignis) override
    {
        if (ereignis->type() == QEvent::ChildAdded || ereignis->type() == QEvent::ChildPolished) {
            auto* kind = qobject_cast<QWidget*>(static_cast<QChildEvent*>(ereignis)->child());
            if (kind != nullptr && !kind->isWindow())
                kind->setGeometry(rect());
        }
        return QWidget::event(ereignis);
    }
    void resizeEvent(QResizeEvent* ereignis) override
    {
        QWidget::resizeEvent(ereignis);
        Fuelle();
    }
};

namespace {

// The empty title bar: no height, nothing to drag or double-click.
class LeererTitel : public QWidget {
public:
    using QWidget::QWidget;
    QSize sizeHint() const override { return {0, 0}; }
    QSize minimumSizeHint() const override { return {0, 0}; }
};

} // namespace

CSizingControlBar::CSizingControlBar(QWidget* parent) : QDockWidget(parent)
{
    setFeatures(QDockWidget::NoDockWidgetFeatures);
    setTitleBarWidget(new LeererTitel(this));
    m_fenster = new BalkenFenster(this);
    m_inhalt = new FuellBereich(m_fenster);
    setWidget(m_fenster);
    connect(this, &QDockWidget::dockLocationChanged, this, [this](Qt::DockWidgetArea seite) {
        if (seite != Qt::NoDockWidgetArea)
            m_seite = seite;
        AktualisiereRahmen();
    });
}

CSizingControlBar::~CSizingControlBar() = default;

bool CSizingControlBar::Create(QMainWindow* rahmen, Qt::DockWidgetArea bereich, int dicke, int id, int stil)
{
    if (rahmen == nullptr)
        return false;
    m_rahmen = rahmen;
    m_rahmenObjekt = rahmen;
    m_seite = bereich;
    m_inhaltsBreite = dicke;
    SetzeId(this, id);
    SetzeBalkenStil(stil);
    setAllowedAreas(bereich);
    rahmen->addDockWidget(bereich, this);
    rahmen->installEventFilter(this);
    SetzeDicke(dicke);
    return true;
}

QWidget* CSizingControlBar::Fenster() const
{
    return m_fenster;
}

QWidget* CSizingControlBar::Inhalt() const
{
    return m_inhalt;
}

void CSizingControlBar::SetzeBalkenStil(int stil)
{
    m_nBalkenStil = stil;
    if (stil & SB_ROLLEN) {
        if (m_rollbereich == nullptr) {
            m_rollbereich = new QScrollArea(m_fenster);
            m_rollbereich->setFrameShape(QFrame::NoFrame);
            m_rollbereich->setWidgetResizable(false);
            m_rollbereich->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            m_rollbereich->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            m_rollbereich->horizontalScrollBar()->setSingleStep(1);
            m_rollbereich->setWidget(m_inhalt);
            m_rollbereich->viewport()->installEventFilter(this);
            m_rollbereich->show();
        }
        m_inhalt->resize(m_inhaltsBreite, m_rollbereich->viewport()->height());
    } else if (m_rollbereich != nullptr) {
        m_rollbereich->takeWidget();
        m_inhalt->setParent(m_fenster);
        delete m_rollbereich;
        m_rollbereich = nullptr;
        m_inhalt->show();
    }
    OrdneKlientAn();
}

QScrollBar* CSizingControlBar::Rollbalken() const
{
    return m_rollbereich ? m_rollbereich->horizontalScrollBar() : nullptr;
}

int CSizingControlBar::RollPos() const
{
    return m_rollbereich ? m_rollbereich->horizontalScrollBar()->value() : 0;
}

void CSizingControlBar::SetzeInhaltsBreite(int breite)
{
    m_inhaltsBreite = breite;
    if (m_rollbereich)
        m_inhalt->resize(breite, m_rollbereich->viewport()->height());
}

QRect CSizingControlBar::BerechneInnenflaeche(const QRect& fenster)
{
    return fenster.adjusted(5, 5, -5, -5);
}

QRect CSizingControlBar::KlientRechteck() const
{
    QRect k = const_cast<CSizingControlBar*>(this)->BerechneInnenflaeche(m_fenster->rect());
    k.setWidth(std::max(0, k.width()));
    k.setHeight(std::max(0, k.height()));
    return k;
}

void CSizingControlBar::OrdneKlientAn()
{
    const QRect k = KlientRechteck();
    if (m_rollbereich != nullptr) {
        m_rollbereich->setGeometry(k);
    } else {
        m_inhalt->setGeometry(k);
    }
}

void CSizingControlBar::AktualisiereRahmen()
{
    OrdneKlientAn();
    m_fenster->update();
}

int CSizingControlBar::Dicke() const
{
    return IstVertikal() ? width() : height();
}

void CSizingControlBar::SetzeDicke(int dicke)
{
    if (!m_rahmen)
        return;
    // The limit of the drag must not stop a size the program sets itself.
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    m_rahmen->resizeDocks({this}, {std::max(1, dicke)}, IstVertikal() ? Qt::Horizontal : Qt::Vertical);
    PlaneZiehGrenze();
}

void CSizingControlBar::PlaneZiehGrenze()
{
    // The main window places its docks and its main pane one after another;
    // the limit is taken once all of them have their new size.
    if (m_grenzeGeplant)
        return;
    m_grenzeGeplant = true;
    QMetaObject::invokeMethod(this, [this] {
        m_grenzeGeplant = false;
        AktualisiereZiehGrenze();
    }, Qt::QueuedConnection);
}

void CSizingControlBar::AktualisiereZiehGrenze()
{
    if (!m_rahmen)
        return;
    QWidget* zentral = m_rahmen->centralWidget();
    if (zentral != m_zentral) {
        if (m_zentral)
            m_zentral->removeEventFilter(this);
        m_zentral = zentral;
        if (zentral != nullptr) {
            zentral->installEventFilter(this);
            // The main pane never gets narrower than 2 pixels.
            if (zentral->minimumWidth() < 2)
                zentral->setMinimumWidth(2);
            if (zentral->minimumHeight() < 2)
                zentral->setMinimumHeight(2);
        }
    }
    if (zentral == nullptr || !m_rahmen->isVisible() || isFloating()) {
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        return;
    }
    // Dragging the bar's inner edge may take the main pane's room down to
    // 2 pixels, but never the room of the bar on the other side.
    const int frei = IstVertikal() ? zentral->width() : zentral->height();
    const int grenze = Dicke() + std::max(0, frei - 2);
    if (IstVertikal()) {
        if (maximumWidth() != grenze)
            setMaximumWidth(grenze);
    } else if (maximumHeight() != grenze) {
        setMaximumHeight(grenze);
    }
}

bool CSizingControlBar::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (m_rollbereich != nullptr && objekt == m_rollbereich->viewport() && ereignis->type() == QEvent::Resize) {
        m_inhalt->resize(m_inhaltsBreite, m_rollbereich->viewport()->height());
    } else if (objekt == m_zentral && ereignis->type() == QEvent::Resize) {
        PlaneZiehGrenze();
    } else if (objekt == m_rahmenObjekt) {
        switch (ereignis->type()) {
        case QEvent::ChildAdded:
        case QEvent::ChildRemoved:
        case QEvent::Show:
        case QEvent::Resize:
            PlaneZiehGrenze();
            break;
        default:
            break;
        }
    }
    return QDockWidget::eventFilter(objekt, ereignis);
}

} // namespace zeva
