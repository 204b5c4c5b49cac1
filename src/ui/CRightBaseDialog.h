#pragma once
// Base of the panes of the right bar: a child without a border that fills its
// parent when created and paints a caption strip with its window title along
// its top (the title bar's height, the highlight colours, the text centred).
// Setting the title shows the pane. Its controls lie below the strip: the
// contents margins keep the strip free for a Qt layout, and code that places
// controls itself starts at KlientOben().
#include "ui/CBaseDialog.h"

namespace zeva {

class CRightBaseDialog : public CBaseDialog {
public:
    explicit CRightBaseDialog(QWidget* parent = nullptr);

    // Sets the title, shows the pane and repaints the strip (also when the
    // title is unchanged).
    void SetzeTitel(const QString& titel);

    // Height of the caption strip; the client area starts there.
    int StreifenHoehe() const;
    int KlientOben() const { return StreifenHoehe(); }

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;
};

} // namespace zeva
