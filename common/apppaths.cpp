#include "common/apppaths.h"

#include <QCoreApplication>
#include <QDir>

namespace kestrel {

namespace {
QString& overrideFolder()
{
    static QString folder;
    return folder;
}
}  // namespace

QString applicationFolder()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    const QString fromEnvironment = qEnvironmentVariable("KESTREL_APP_DIR");
    if (!fromEnvironment.isEmpty())
        return QDir::cleanPath(fromEnvironment);
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

void setApplicationFolder(const QString& folder)
{
    overrideFolder() = folder.isEmpty() ? QString() : QDir::cleanPath(folder);
}

QString applicationFile(const QString& name)
{
    return QDir(applicationFolder()).filePath(name);
}

}  // namespace kestrel
