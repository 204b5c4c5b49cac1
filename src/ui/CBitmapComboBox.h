#pragma once
// A combo box whose entries show a picture and a text (the roof forms).
// Every entry and the selection field are as high as the tallest picture
// added so far + 6; the text starts right of the widest picture; an entry
// without a text shows its picture centred.
#include <QComboBox>
#include <QPixmap>

namespace zeva {

class CBitmapComboBox : public QComboBox {
public:
    explicit CBitmapComboBox(QWidget* parent = nullptr);

    // Inserts an entry before `index` (past the end: appends); returns its
    // index, −1 when it could not be inserted.
    int FuegeBitmapEin(int index, const QPixmap& bild, const QString& text = QString());
    int FuegeBitmapHinzu(const QPixmap& bild, const QString& text = QString());

    // Raises the largest picture size and with it the height of the entries.
    void PasseHoeheAn(int breite, int hoehe);

    int MaxBreite() const { return m_nMaxBreite; }
    int MaxHoehe() const { return m_nMaxHoehe; }
    int EintragsHoehe() const { return m_nMaxHoehe + 6; }

    // Draws one entry (picture and text) into `r`; the list and the
    // selection field use it alike.
    void ZeichneEintrag(QPainter& maler, const QRect& r, int index, bool ausgewaehlt) const;

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    class Delegat;
    int m_nMaxBreite = 0;
    int m_nMaxHoehe = 0;
};

} // namespace zeva
