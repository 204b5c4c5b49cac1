#include "ui/CBitmapComboBox.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QStylePainter>

namespace zeva {

class CBitmapComboBox::Delegat : public QStyledItemDelegate {
public:
    explicit Delegat(CBitmapComboBox* box) : QStyledItemDelegate(box), m_box(box) {}

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        return QSize(m_box->MaxBreite() + 2, m_box->EintragsHoehe());
    }

    void paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        m_box->ZeichneEintrag(*maler, option.rect, index.row(), option.state & QStyle::State_Selected);
        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect fokus;
            fokus.QStyleOption::operator=(option);
            m_box->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &fokus, maler, m_box);
        }
    }

private:
    CBitmapComboBox* m_box;
};

CBitmapComboBox::CBitmapComboBox(QWidget* parent) : QComboBox(parent)
{
    setItemDelegate(new Delegat(this));
}

int CBitmapComboBox::FuegeBitmapEin(int index, const QPixmap& bild, const QString& text)
{
    if (index < 0 || index > count())
        index = count();
    const int vorher = count();
    insertItem(index, text);
    if (count() == vorher)
        return -1;
    setItemData(index, bild, Qt::DecorationRole);
    PasseHoeheAn(bild.width(), bild.height());
    return index;
}

int CBitmapComboBox::FuegeBitmapHinzu(const QPixmap& bild, const QString& text)
{
    return FuegeBitmapEin(count(), bild, text);
}

void CBitmapComboBox::PasseHoeheAn(int breite, int hoehe)
{
    m_nMaxBreite = std::max(m_nMaxBreite, breite);
    m_nMaxHoehe = std::max(m_nMaxHoehe, hoehe);
    setIconSize(QSize(m_nMaxBreite, m_nMaxHoehe));
    setFixedHeight(EintragsHoehe());
    if (view() != nullptr)
        view()->doItemsLayout();
    updateGeometry();
    update();
}

void CBitmapComboBox::ZeichneEintrag(QPainter& maler, const QRect& r, int index, bool ausgewaehlt) const
{
    const QPalette& pal = palette();
    if (isEnabled()) {
        const QColor grund = pal.color(ausgewaehlt ? QPalette::Highlight : QPalette::Base);
        maler.fillRect(r, grund);
        maler.setPen(grund);
        maler.drawRect(r.adjusted(0, 0, -1, -1));
    }
    if (index < 0 || index >= count())
        return;
    const QVariant daten = itemData(index, Qt::DecorationRole);
    const QPixmap bild = daten.value<QPixmap>();
    if (bild.isNull())
        return; // an entry without a picture shows nothing
    const QString text = itemText(index);
    if (text.isEmpty()) {
        maler.drawPixmap(r.left() + (r.width() - bild.width()) / 2, r.top() + (r.height() - bild.height()) / 2, bild);
        return;
    }
    maler.drawPixmap(r.left() + 2, r.top() + r.height() / 2 - m_nMaxHoehe / 2, bild);
    maler.setPen(pal.color(!isEnabled() ? QPalette::Disabled : QPalette::Active,
                           ausgewaehlt ? QPalette::HighlightedText : QPalette::Text));
    maler.drawText(QRect(r.left() + m_nMaxBreite + 4, r.top(), r.width() - m_nMaxBreite - 4, r.height()),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

void CBitmapComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter maler(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    maler.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect feld = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    ZeichneEintrag(maler, feld, currentIndex(), hasFocus());
}

} // namespace zeva
