#include "app/glossatiles_app.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    CGlossatilesApp glossatiles;
    glossatiles.InitInstance(QApplication::arguments());
    return QApplication::exec();
}
