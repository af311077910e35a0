// Kestrel 2019: the desktop program.
#include "shell/application.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return kestrel::runKestrel(app);
}
