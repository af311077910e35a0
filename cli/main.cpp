// kestrel-calc: the calculators of Kestrel 2019 without the windows.
#include "cli/runner.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return kestrel::cli::runCommandLine(arguments);
}
