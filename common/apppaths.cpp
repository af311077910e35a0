#include "common/apppaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace kestrel {

namespace {

QString& overrideFolder()
{
    static QString folder;
    return folder;
}

QString& overrideDataFolder()
{
    static QString folder;
    return folder;
}

QString executableFolder()
{
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
}

// An installed program keeps its shared files in <prefix>/share/kestrel2019 and its
// executable in <prefix>/bin.
QString installedShareFolder()
{
    const QString share = QDir::cleanPath(executableFolder() + QStringLiteral("/../share/kestrel2019"));
    return QFileInfo(share).isDir() ? share : QString();
}

}  // namespace

QString applicationFolder()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    const QString fromEnvironment = qEnvironmentVariable("KESTREL_APP_DIR");
    if (!fromEnvironment.isEmpty())
        return QDir::cleanPath(fromEnvironment);
    // The build folder lays everything out beside the executable.
    const QString beside = executableFolder();
    if (QFileInfo::exists(QDir(beside).filePath(kReportDatabase)))
        return beside;
    const QString share = installedShareFolder();
    return share.isEmpty() ? beside : share;
}

void setApplicationFolder(const QString& folder)
{
    overrideFolder() = folder.isEmpty() ? QString() : QDir::cleanPath(folder);
}

QString applicationFile(const QString& name)
{
    return QDir(applicationFolder()).filePath(name);
}

bool isInstalledLayout()
{
    return QDir(applicationFolder()) != QDir(executableFolder()) && !installedShareFolder().isEmpty()
           && QDir(applicationFolder()) == QDir(installedShareFolder());
}

QString dataFolder()
{
    if (!overrideDataFolder().isEmpty())
        return overrideDataFolder();
    const QString fromEnvironment = qEnvironmentVariable("KESTREL_DATA_DIR");
    if (!fromEnvironment.isEmpty())
        return QDir::cleanPath(fromEnvironment);
    if (!isInstalledLayout())
        return applicationFolder();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return folder.isEmpty() ? QDir::home().filePath(QStringLiteral(".local/share/Kestrel2019")) : folder;
}

void setDataFolder(const QString& folder)
{
    overrideDataFolder() = folder.isEmpty() ? QString() : QDir::cleanPath(folder);
}

QString dataFile(const QString& name)
{
    return QDir(dataFolder()).filePath(name);
}

QString prepareDataFolder()
{
    const QDir data(dataFolder());
    const QDir delivered(applicationFolder());
    if (data == delivered)
        return QString();
    if (!QDir().mkpath(data.path()))
        return QStringLiteral("The data folder %1 cannot be created. The settings cannot be saved.")
            .arg(QDir::toNativeSeparators(data.path()));
    QStringList problems;
    for (const QString& name : {kSettingsDatabase, kReportDatabase}) {
        const QString target = data.filePath(name);
        if (QFileInfo::exists(target))
            continue;
        const QString source = delivered.filePath(name);
        // Copy under a temporary name first: a full disk leaves no half database behind.
        const QString partial = target + QStringLiteral(".part");
        QFile::remove(partial);
        if (!QFile::copy(source, partial) || !QFile::rename(partial, target)) {
            QFile::remove(partial);
            problems << QStringLiteral("%1 could not be copied from %2 into %3.")
                            .arg(name, QDir::toNativeSeparators(delivered.path()),
                                 QDir::toNativeSeparators(data.path()));
            continue;
        }
        // The delivered copy is read-only; the user's own copy must be writable.
        QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    }
    return problems.join(QLatin1Char('\n'));
}

}  // namespace kestrel
