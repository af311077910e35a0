#pragma once
// Where the program keeps what it has on disk.
//
// The application folder holds what the program reads: the report templates, the
// background picture, the manual and the delivered databases. Run from the build folder it
// is the folder of the executable; an installed program finds it in ../share/kestrel2019
// beside its bin folder.
//
// The data folder holds the databases the program reads and writes (Settings.mdb,
// Zidazura.mdb). Run from the build folder it is the application folder itself; an
// installed program uses the user's own data folder (XDG data location), into which the
// delivered databases are copied on first start, so every user keeps their own settings and
// an upgrade leaves them alone.

#include <QString>

namespace kestrel {

/// The application folder. KESTREL_APP_DIR (tests) or setApplicationFolder() choose another.
QString applicationFolder();
void setApplicationFolder(const QString& folder);
/// applicationFolder() + "/" + name.
QString applicationFile(const QString& name);

/// True when the program runs from an installed layout (the application folder is not the
/// executable's folder).
bool isInstalledLayout();

/// The data folder. KESTREL_DATA_DIR or setDataFolder() choose another.
QString dataFolder();
void setDataFolder(const QString& folder);
/// dataFolder() + "/" + name.
QString dataFile(const QString& name);

/// The databases that live in the data folder.
inline const QString kSettingsDatabase = QStringLiteral("Settings.mdb");
inline const QString kReportDatabase = QStringLiteral("Zidazura.mdb");

/// Makes sure the data folder holds both databases: when it is not the application folder,
/// a database that is missing there is copied from the delivered one (never over an
/// existing file). Returns an error text for the user, empty when all is well; the delivered
/// copies are never changed.
QString prepareDataFolder();

}  // namespace kestrel
