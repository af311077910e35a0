#pragma once
// The program's two persisted preferences: ViewAbout (show the About window at start-up)
// and Var1 (the version digits whose disclaimer was last accepted). They live in a small
// INI file of the program's own in the user's configuration folder.

#include <QString>

namespace kestrel {

struct Preferences {
    bool ViewAbout = true;  ///< a first run shows the About window
    QString Var1;           ///< empty on a first run: no disclaimer accepted yet
};

/// Reads the preferences; missing entries take their first-run values.
Preferences loadPreferences();

/// Writes ViewAbout.
void saveViewAbout(bool viewAbout);

/// Writes Var1 (the digit string, for example "110").
void saveVar1(const QString& var1);

/// The file that holds them (QStandardPaths' configuration folder + "/Kestrel2019.ini").
/// The environment variable KESTREL_PREFERENCES names another file (used by the tests).
QString preferencesFile();

}  // namespace kestrel
