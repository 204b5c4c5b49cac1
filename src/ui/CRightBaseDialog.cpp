#include "ui/CRightBaseDialog.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

namespace zeva {

CRightBaseDialog::CRightBaseDialog(QWidget* parent) : CBaseDialog(parent)
{
    m_bSchriftAnpassen = false;
    setContentsMargins(0, StreifenHoehe(), 0, 0);
}

int CRightBaseDialog::StreifenHoehe() const
{
    return style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
}

void CRightBaseDialog::SetzeTitel(const QString& titel)
{
    setWindowTitle(titel);
    show();
    update(0, 0, width(), StreifenHoehe());
}

void CRightBaseDialog::changeEvent(QEvent* ereignis)
{
    if (ereignis->type() == QEvent::WindowTitleChange) {
        show();
        update(0, 0, width(), StreifenHoehe());
    } else if (ereignis->type() == QEvent::StyleChange) {
        setContentsMargins(0, StreifenHoehe(), 0, 0);
    }
    CBaseDialog::changeEvent(ereignis);
}

void CRightBaseDialog::paintEvent(QPaintEvent* ereignis)
{
    CBaseDialog::paintEvent(ereignis);
    QPainter maler(this);
    const QRect streifen(0, 0, width(), StreifenHoehe());
    // The active colours also when the pane is not active.
    maler.fillRect(streifen, palette().color(QPalette::Active, QPalette::Highlight));
    maler.setPen(palette().color(QPalette::Active, QPalette::HighlightedText));
    maler.setFont(TitelSchrift());
    maler.drawText(streifen, Qt::AlignCenter | Qt::TextSingleLine, windowTitle());
}

} // namespace zeva
