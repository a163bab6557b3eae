// The toolbar at 200% scaling (run with QT_SCALE_FACTOR=2): every button's
// icon is drawn at the window's pixels, 32 x 32 for its 16 x 16 logical
// pixels, instead of a 16-pixel bitmap enlarged; a disabled button's icon is
// the style's greyed form of the same drawing.
#include "MainWindowFixture.h"
#include "ui/mainwindow/ToolBarImages.h"

#include <QTest>
#include <QToolButton>

using namespace kv;
using namespace kv::test;

namespace {

// True when some aligned 2 x 2 block of pixels is not of one colour: the
// picture has detail that a bitmap of half the size doubled cannot have.
bool FinerThanHalfSize(const QImage& image) {
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            if (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p ||
                image.pixel(x + 1, y + 1) != p)
                return true;
        }
    return false;
}

struct ToolBarHiDpi : MainWindowFixture {};

TEST_F(ToolBarHiDpi, IconsAreDrawnAtTheWindowsPixels) {
    CreateForm();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const qreal ratio = form->devicePixelRatioF();
    ASSERT_DOUBLE_EQ(ratio, 2.0) << "run with QT_SCALE_FACTOR=2";
    for (const char* name : {"ViewToolBtn", "PrintToolBtn", "AnalyseToolBtn", "ClearToolBtn",
                             "ClearAllToolBtn", "AddTypeToolBtn", "DeleteTypeToolBtn"}) {
        const auto* button = form->findChild<QToolButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->iconSize(), QSize(16, 16)) << name;
        const QIcon icon = button->defaultAction()->icon();
        for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
            const QPixmap shown = icon.pixmap(button->iconSize(), ratio, mode);
            EXPECT_EQ(shown.size(), QSize(32, 32)) << name << " mode " << mode;
            EXPECT_DOUBLE_EQ(shown.devicePixelRatio(), 2.0) << name;
        }
        EXPECT_NE(icon.pixmap(QSize(16, 16), ratio, QIcon::Normal).toImage(),
                  icon.pixmap(QSize(16, 16), ratio, QIcon::Disabled).toImage())
            << name;
    }
    // The lenses are round: their edges fall between the pixels of a 16-pixel bitmap.
    const QImage glasses =
        ToolBarIcon(QStringLiteral("GLASSES")).pixmap(QSize(16, 16), 2.0).toImage();
    EXPECT_TRUE(FinerThanHalfSize(glasses));
}

TEST(ToolBarImages, EveryNameHasADrawingAndOthersNone) {
    EXPECT_EQ(ToolBarImageNames(), (QStringList{"PRINT", "CLEARONE", "CLEARALL", "GLASSES", "PLUS",
                                                "MINUS", "ANALYSE"}));
    for (const QString& name : ToolBarImageNames()) {
        const QImage drawn = ToolBarIcon(name).pixmap(QSize(24, 24), 1.0).toImage();
        ASSERT_EQ(drawn.size(), QSize(24, 24)) << name.toStdString();
        EXPECT_NE(qAlpha(drawn.pixel(12, 12)) + qAlpha(drawn.pixel(8, 12)), 0)
            << name.toStdString() << ": something is drawn in the middle";
    }
    // The plus is green in the middle, where its two bars cross.
    const QImage plus = ToolBarIcon(QStringLiteral("PLUS")).pixmap(QSize(32, 32), 1.0).toImage();
    EXPECT_EQ(plus.pixel(16, 16), qRgb(0x00, 0x80, 0x00));
    EXPECT_TRUE(ToolBarIcon(QStringLiteral("NOSUCH")).isNull());
    EXPECT_EQ(LoadToolBarImageList().size(), 6);
}

} // namespace
