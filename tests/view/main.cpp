#include <QApplication>

#include <gtest/gtest.h>

// The view's tests paint into images: the offscreen platform serves, no display is needed.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
