#include "common/preferences.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace kestrel {

QString preferencesFile()
{
    const QString fromEnvironment = qEnvironmentVariable("KESTREL_PREFERENCES");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return QDir(folder.isEmpty() ? QDir::homePath() : folder).filePath(QStringLiteral("Kestrel2019.ini"));
}

Preferences loadPreferences()
{
    QSettings store(preferencesFile(), QSettings::IniFormat);
    Preferences prefs;
    prefs.ViewAbout = store.value(QStringLiteral("ViewAbout"), true).toBool();
    prefs.Var1 = store.value(QStringLiteral("Var1"), QString()).toString();
    return prefs;
}

void saveViewAbout(bool viewAbout)
{
    QSettings store(preferencesFile(), QSettings::IniFormat);
    store.setValue(QStringLiteral("ViewAbout"), viewAbout);
}

void saveVar1(const QString& var1)
{
    QSettings store(preferencesFile(), QSettings::IniFormat);
    store.setValue(QStringLiteral("Var1"), var1);
}

}  // namespace kestrel
