#include "ui/CRollupCtrl.h"

#include <QContextMenuEvent>
#include <QGroupBox>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyleOption>
#include <QWheelEvent>
#include <qdrawutil.h>

namespace zeva {

namespace {

const char* const PfeilMarke = "zevaRollupPfeil";

} // namespace

CRollupCtrl::CRollupCtrl(QWidget* parent) : QWidget(parent)
{
    // A click anywhere in the control gives it the keyboard focus.
    setFocusPolicy(Qt::ClickFocus);
}

CRollupCtrl::~CRollupCtrl()
{
    for (auto& s : m_aSeiten) {
        disconnect(s->zerstoert);
        delete s->kopf;
        delete s->rahmen;
        if (s->autoZerstoeren)
            delete s->seite.data();
        else
            LasseLos(*s);
    }
    m_aSeiten.clear();
}

void CRollupCtrl::LasseLos(RollupSeite& s)
{
    if (!s.seite)
        return;
    AktualisiereCursor(s, false);
    s.seite->removeEventFilter(this);
}

int CRollupCtrl::FuegeSeiteEin(const QString& titel, QWidget* seite, bool autoZerstoeren, int index)
{
    if (seite == nullptr)
        return -1;
    if (index >= Seitenanzahl())
        index = -1;
    if (seite->parentWidget() != this)
        seite->setParent(this);

    auto s = std::make_unique<RollupSeite>();
    s->seite = seite;
    s->autoZerstoeren = autoZerstoeren;
    s->rahmen = new QGroupBox(this);
    s->rahmen->setGeometry(rect());
    // The frame lies under header and page and lets the mouse through.
    s->rahmen->setAttribute(Qt::WA_TransparentForMouseEvents);
    s->rahmen->lower();
    s->kopf = new QPushButton(titel, this);
    s->kopf->setGeometry(rect());
    s->kopf->setFlat(true);
    s->kopf->setCheckable(true);
    s->kopf->setFocusPolicy(Qt::NoFocus); // headers never take the focus
    s->kopf->show();
    s->rahmen->show();
    seite->hide();
    seite->raise();
    seite->installEventFilter(this);
    connect(s->kopf, &QPushButton::clicked, this, [this, kopf = s->kopf] {
        const int i = IndexVonKopf(kopf);
        if (i >= 0)
            OeffneSeite(i, !IstSeiteOffen(i));
    });
    s->zerstoert = connect(seite, &QObject::destroyed, this, [this](QObject* o) { SeiteZerstoert(o); });

    if (index < 0) {
        m_aSeiten.push_back(std::move(s));
        index = Seitenanzahl() - 1;
    } else {
        m_aSeiten.insert(m_aSeiten.begin() + index, std::move(s));
    }
    OrdneSeitenAn();
    return index;
}

void CRollupCtrl::SeiteZerstoert(QObject* seite)
{
    for (auto it = m_aSeiten.begin(); it != m_aSeiten.end(); ++it) {
        if ((*it)->seite.data() == nullptr || (*it)->seite.data() == seite) {
            delete (*it)->kopf;
            delete (*it)->rahmen;
            m_aSeiten.erase(it);
            break;
        }
    }
    OrdneSeitenAn();
}

int CRollupCtrl::IndexVon(const QWidget* seite) const
{
    for (int i = 0; i < Seitenanzahl(); ++i)
        if (seite != nullptr && m_aSeiten[i]->seite == seite)
            return i;
    return -1;
}

int CRollupCtrl::IndexVonKopf(const QObject* kopf) const
{
    for (int i = 0; i < Seitenanzahl(); ++i)
        if (m_aSeiten[i]->kopf == kopf)
            return i;
    return -1;
}

QWidget* CRollupCtrl::Seite(int index) const
{
    return index >= 0 && index < Seitenanzahl() ? m_aSeiten[index]->seite.data() : nullptr;
}

QPushButton* CRollupCtrl::Kopf(int index) const
{
    return index >= 0 && index < Seitenanzahl() ? m_aSeiten[index]->kopf : nullptr;
}

QGroupBox* CRollupCtrl::Rahmen(int index) const
{
    return index >= 0 && index < Seitenanzahl() ? m_aSeiten[index]->rahmen : nullptr;
}

void CRollupCtrl::SetzeOffen(RollupSeite& s, bool offen)
{
    if (s.offen == offen || !s.aktiv)
        return;
    s.offen = offen;
    if (s.seite)
        s.seite->setVisible(offen);
}

void CRollupCtrl::SetzeAktiv(RollupSeite& s, bool aktiv)
{
    if (s.aktiv == aktiv)
        return;
    s.aktiv = aktiv;
    if (s.offen)
        s.offen = false; // the next layout hides it
}

void CRollupCtrl::OeffneAlleSeiten(bool offen)
{
    for (auto& s : m_aSeiten)
        SetzeOffen(*s, offen);
    OrdneSeitenAn();
}

void CRollupCtrl::AktiviereAlleSeiten(bool aktiv)
{
    for (auto& s : m_aSeiten)
        SetzeAktiv(*s, aktiv);
    OrdneSeitenAn();
}

void CRollupCtrl::OeffneSeite(int index, bool offen)
{
    if (index < 0 || index >= Seitenanzahl())
        return;
    SetzeOffen(*m_aSeiten[index], offen);
    OrdneSeitenAn();
    if (offen)
        ZeigeSeite(index, false);
}

void CRollupCtrl::AktiviereSeite(int index, bool aktiv)
{
    if (index < 0 || index >= Seitenanzahl())
        return;
    SetzeAktiv(*m_aSeiten[index], aktiv);
    OrdneSeitenAn();
}

bool CRollupCtrl::IstSeiteOffen(int index) const
{
    return index >= 0 && index < Seitenanzahl() && m_aSeiten[index]->offen;
}

bool CRollupCtrl::IstSeiteAktiv(int index) const
{
    return index >= 0 && index < Seitenanzahl() && m_aSeiten[index]->aktiv;
}

void CRollupCtrl::ZeigeSeite(int index, bool erzwingen)
{
    if (index < 0 || index >= Seitenanzahl())
        return;
    const RollupSeite& s = *m_aSeiten[index];
    const QRect seite = s.seite ? s.seite->geometry() : s.kopf->geometry();
    if (erzwingen || seite.top() + seite.height() > height() || seite.top() < 0) {
        m_nScrollPos -= s.kopf->y();
        OrdneSeitenAn();
    }
}

void CRollupCtrl::OrdneSeitenAn()
{
    const int H = height();
    const int W = width();
    // The total follows the pages' present heights, so a page that changed
    // its height while open never leaves a gap or an overlap behind.
    m_nGesamtHoehe = 0;
    for (const auto& s : m_aSeiten) {
        m_nGesamtHoehe += KopfHoehe + Abstand;
        if (s->offen && s->aktiv && s->seite)
            m_nGesamtHoehe += s->seite->height();
    }
    if (m_nGesamtHoehe + m_nScrollPos < H)
        m_nScrollPos = H - m_nGesamtHoehe;
    if (m_nScrollPos > 0)
        m_nScrollPos = 0;

    const bool rollbar = KannRollen();
    int y = m_nScrollPos;
    for (auto& s : m_aSeiten) {
        s->kopf->setChecked(s->offen && s->aktiv);
        s->kopf->setEnabled(s->aktiv);
        if (s->offen && s->aktiv && s->seite) {
            const int P = s->seite->height();
            s->rahmen->setGeometry(2, y, W - 9, P + 20);
            s->seite->setGeometry(6, y + KopfHoehe, W - 18, P);
            s->kopf->setGeometry(6, y, W - 18, KopfHoehe);
            s->seite->show();
            y += KopfHoehe + P;
        } else {
            s->rahmen->setGeometry(2, y, W - 9, 16);
            if (s->seite)
                s->seite->hide();
            s->kopf->setGeometry(6, y, W - 18, KopfHoehe);
            y += KopfHoehe;
        }
        y += Abstand;
        AktualisiereCursor(*s, rollbar);
    }
    update(StreifenRechteck());
}

void CRollupCtrl::AktualisiereCursor(RollupSeite& s, bool rollbar)
{
    if (!s.seite || s.hand == rollbar)
        return;
    QWidget* seite = s.seite;
    s.hand = rollbar;
    if (rollbar) {
        s.eigenerCursor = seite->testAttribute(Qt::WA_SetCursor);
        if (s.eigenerCursor)
            s.gemerkterCursor = seite->cursor();
        seite->setCursor(Qt::PointingHandCursor);
        // The hand belongs to the page's background only; its controls keep
        // the arrow unless they have a cursor of their own.
        for (QWidget* kind : seite->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!kind->testAttribute(Qt::WA_SetCursor)) {
                kind->setCursor(Qt::ArrowCursor);
                kind->setProperty(PfeilMarke, true);
            }
        }
    } else {
        if (s.eigenerCursor)
            seite->setCursor(s.gemerkterCursor);
        else
            seite->unsetCursor();
        for (QWidget* kind : seite->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (kind->property(PfeilMarke).toBool()) {
                kind->unsetCursor();
                kind->setProperty(PfeilMarke, QVariant());
            }
        }
    }
}

CRollupCtrl::Griff CRollupCtrl::BerechneGriff() const
{
    Griff griff;
    const int H = height();
    griff.g = H - 4;
    if (m_nGesamtHoehe > H) {
        griff.c = griff.g - (m_nGesamtHoehe - H) * griff.g / m_nGesamtHoehe;
        griff.t = -(m_nScrollPos * griff.g / m_nGesamtHoehe);
    } else {
        griff.c = griff.g;
        griff.t = 0;
    }
    return griff;
}

void CRollupCtrl::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    const QRect streifen = StreifenRechteck();
    const Griff griff = BerechneGriff();
    const int x = streifen.left() + 2;
    const int breite = streifen.width() - 4;
    maler.fillRect(QRect(x, 2, breite, griff.t), palette().color(QPalette::Button));
    maler.fillRect(QRect(x, griff.t + 2, breite, griff.c), palette().color(QPalette::Active, QPalette::Highlight));
    maler.fillRect(QRect(x, griff.t + griff.c + 2, breite, height() - 2 - (griff.t + griff.c + 2)),
                   palette().color(QPalette::Button));
    qDrawShadePanel(&maler, streifen, palette(), true, 1);
}

void CRollupCtrl::resizeEvent(QResizeEvent* ereignis)
{
    QWidget::resizeEvent(ereignis);
    OrdneSeitenAn();
}

void CRollupCtrl::mousePressEvent(QMouseEvent* ereignis)
{
    if (!KannRollen())
        return;
    const QPoint p = ereignis->position().toPoint();
    if (ereignis->button() == Qt::LeftButton && StreifenRechteck().contains(p)) {
        const Griff griff = BerechneGriff();
        const int y = p.y();
        if (griff.t < y && y < griff.t + griff.c)
            m_nGriffVersatz = griff.t - y + 1;
        else if (y <= griff.t)
            m_nGriffVersatz = 0;
        else
            m_nGriffVersatz = -griff.c;
        m_bStreifenZiehen = true;
        if (griff.g > 0) {
            m_nScrollPos = -((y + m_nGriffVersatz) * m_nGesamtHoehe / griff.g);
            OrdneSeitenAn();
        }
    }
    QWidget::mousePressEvent(ereignis);
}

void CRollupCtrl::mouseMoveEvent(QMouseEvent* ereignis)
{
    if (!KannRollen())
        return;
    if (m_bStreifenZiehen && (ereignis->buttons() & Qt::LeftButton) && height() > 4) {
        const int y = ereignis->position().toPoint().y();
        m_nScrollPos = -((y + m_nGriffVersatz) * m_nGesamtHoehe / (height() - 4));
        OrdneSeitenAn();
    }
    QWidget::mouseMoveEvent(ereignis);
}

void CRollupCtrl::mouseReleaseEvent(QMouseEvent* ereignis)
{
    if (!KannRollen()) {
        m_bStreifenZiehen = false;
        return;
    }
    if (ereignis->button() == Qt::LeftButton)
        m_bStreifenZiehen = false;
    QWidget::mouseReleaseEvent(ereignis);
}

void CRollupCtrl::wheelEvent(QWheelEvent* ereignis)
{
    // One notch (120) moves 30 pixels; away from the user toward the top.
    m_nScrollPos += static_cast<short>(ereignis->angleDelta().y()) / 4;
    OrdneSeitenAn();
    ereignis->accept();
}

std::unique_ptr<QMenu> CRollupCtrl::ErzeugeKontextMenue()
{
    auto menue = std::make_unique<QMenu>(this);
    auto eintrag = [this, &menue](const QString& text, int id) {
        QAction* aktion = menue->addAction(text);
        aktion->setData(id);
        connect(aktion, &QAction::triggered, this, [this, id] { OnCommand(id); });
        return aktion;
    };
    eintrag(QStringLiteral("Alle öffnen"), ID_ALLE_OEFFNEN);
    eintrag(QStringLiteral("Alle schließen"), ID_ALLE_SCHLIESSEN);
    menue->addSeparator();
    for (int i = 0; i < Seitenanzahl(); ++i) {
        QAction* aktion = eintrag(m_aSeiten[i]->kopf->text(), ID_ERSTE_SEITE + i);
        aktion->setCheckable(true);
        aktion->setChecked(m_aSeiten[i]->offen);
    }
    return menue;
}

void CRollupCtrl::OnCommand(int id)
{
    if (id == ID_ALLE_OEFFNEN)
        OeffneAlleSeiten(true);
    else if (id == ID_ALLE_SCHLIESSEN)
        OeffneAlleSeiten(false);
    else if (id >= ID_ERSTE_SEITE && id < ID_ERSTE_SEITE + Seitenanzahl())
        OeffneSeite(id - ID_ERSTE_SEITE, !IstSeiteOffen(id - ID_ERSTE_SEITE));
}

void CRollupCtrl::contextMenuEvent(QContextMenuEvent* ereignis)
{
    std::unique_ptr<QMenu> menue = ErzeugeKontextMenue();
    menue->exec(ereignis->globalPos());
    ereignis->accept();
}

bool CRollupCtrl::eventFilter(QObject* objekt, QEvent* ereignis)
{
    auto* seite = qobject_cast<QWidget*>(objekt);
    if (seite == nullptr || IndexVon(seite) < 0 || !KannRollen()) {
        if (ereignis->type() == QEvent::MouseButtonRelease && objekt == m_seiteZiehen)
            m_seiteZiehen = nullptr;
        return QWidget::eventFilter(objekt, ereignis);
    }
    switch (ereignis->type()) {
    case QEvent::MouseButtonPress: {
        auto* maus = static_cast<QMouseEvent*>(ereignis);
        if (maus->button() != Qt::LeftButton && maus->button() != Qt::MiddleButton)
            break;
        m_nLetztesY = qRound(maus->globalPosition().y());
        m_seiteZiehen = seite;
        return true;
    }
    case QEvent::MouseMove: {
        auto* maus = static_cast<QMouseEvent*>(ereignis);
        if (m_seiteZiehen != seite || (maus->buttons() != Qt::LeftButton && maus->buttons() != Qt::MiddleButton))
            break;
        const int y = qRound(maus->globalPosition().y());
        m_nScrollPos += y - m_nLetztesY;
        OrdneSeitenAn();
        m_nLetztesY = y;
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* maus = static_cast<QMouseEvent*>(ereignis);
        if (m_seiteZiehen != seite || (maus->button() != Qt::LeftButton && maus->button() != Qt::MiddleButton))
            break;
        m_seiteZiehen = nullptr;
        return true;
    }
    default:
        break;
    }
    return QWidget::eventFilter(objekt, ereignis);
}

} // namespace zeva
