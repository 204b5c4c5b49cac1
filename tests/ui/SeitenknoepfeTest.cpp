// The page buttons of the paged tables: the ids the table gives them, and
// pictures that really load (a missing resource or image plugin would leave
// four blank buttons).
#include "ui/Seitenknoepfe.h"
#include "ui/SteuerelementId.h"

#include <QPushButton>
#include <gtest/gtest.h>

namespace zeva {
namespace {

TEST(Seitenknoepfe, IdsUndBilder)
{
    QWidget seite;
    auto* knoepfe = new Seitenknoepfe({1038, 1054, 1055, 1039}, Qt::Vertical, &seite);
    EXPECT_EQ(FindeId<QPushButton>(&seite, 1038), knoepfe->Anfang());
    EXPECT_EQ(FindeId<QPushButton>(&seite, 1054), knoepfe->Hoch());
    EXPECT_EQ(FindeId<QPushButton>(&seite, 1055), knoepfe->Runter());
    EXPECT_EQ(FindeId<QPushButton>(&seite, 1039), knoepfe->Ende());
    for (QPushButton* k : {knoepfe->Anfang(), knoepfe->Hoch(), knoepfe->Runter(), knoepfe->Ende()}) {
        EXPECT_FALSE(k->icon().isNull());
        const QImage normal = k->icon().pixmap(16, 16).toImage();
        const QImage aus = k->icon().pixmap(QSize(16, 16), QIcon::Disabled).toImage();
        ASSERT_FALSE(normal.isNull());
        EXPECT_NE(normal, aus) << "the disabled look differs";
        // Something is drawn: not every pixel is transparent.
        bool gemalt = false;
        for (int y = 0; y < normal.height() && !gemalt; ++y)
            for (int x = 0; x < normal.width() && !gemalt; ++x)
                gemalt = qAlpha(normal.pixel(x, y)) > 0;
        EXPECT_TRUE(gemalt) << k->toolTip().toStdString();
        EXPECT_FALSE(k->toolTip().isEmpty());
    }
}

} // namespace
} // namespace zeva
