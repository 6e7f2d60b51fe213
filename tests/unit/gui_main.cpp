#include <QGuiApplication>

#include <gtest/gtest.h>

// No window is made here, but laying text out takes Qt's font system, which
// a GUI application starts; the offscreen platform needs no display.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
