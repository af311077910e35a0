#pragma once
// The application folder: where the program keeps the databases, the report templates,
// the background picture and the manual.

#include <QString>

namespace kestrel {

/// The application folder. By default the folder of the running executable; the
/// environment variable KESTREL_APP_DIR (used by the tests) or setApplicationFolder()
/// chooses another.
QString applicationFolder();
void setApplicationFolder(const QString& folder);

/// applicationFolder() + "/" + name.
QString applicationFile(const QString& name);

}  // namespace kestrel
