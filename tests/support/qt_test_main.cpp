#include <QApplication>

#include <gtest/gtest.h>

namespace {
QtMessageHandler qtHandler = nullptr;

// A critical message, Qt's or the program's, reports a fault found at run
// time: it fails the test.
void failOnCritical(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtCriticalMsg)
        ADD_FAILURE() << "critical message: " << message.toStdString();
    qtHandler(type, context, message);
}
} // namespace

// Widget tests run the real windows without a display.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qtHandler = qInstallMessageHandler(failOnCritical);
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
