#include "payroll/settingsstore.h"

#include "common/database.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include <cmath>

namespace kestrel {

namespace {

const QString kTable = QStringLiteral("Setup");

// The settings' fields by column name.
double* numberColumn(PayrollSettings& s, const QString& column)
{
    if (column == QLatin1String("EmployeeUIF"))
        return &s.EmployeeUIF;
    if (column == QLatin1String("EmployerUIF"))
        return &s.EmployerUIF;
    if (column == QLatin1String("UIFLimit"))
        return &s.UIFLimit;
    if (column == QLatin1String("SkillLevy"))
        return &s.SkillLevy;
    if (column == QLatin1String("TAIncRate8020"))
        return &s.TAIncRate8020;
    if (column == QLatin1String("PensionCont"))
        return &s.PensionCont;
    if (column == QLatin1String("EmployerPenCont"))
        return &s.EmployerPenCont;
    if (column == QLatin1String("ProvCont"))
        return &s.ProvCont;
    if (column == QLatin1String("EmployerProvCont"))
        return &s.EmployerProvCont;
    if (column == QLatin1String("CompCarFBRate8020"))
        return &s.CompCarFBRate8020;
    return nullptr;
}

bool isKnownColumn(const QString& column)
{
    return payrollSettingsColumns().contains(column);
}

// Checks that the database holds table Setup with the given columns; returns the error.
QString checkSetupTable(const Database& db, const QStringList& columns)
{
    QSqlQuery query(db.connection());
    if (!query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(Database::quoted(kTable))))
        return query.lastError().text();
    QStringList present;
    while (query.next())
        present << query.value(1).toString().toLower();
    if (present.isEmpty())
        return QStringLiteral("The settings database %1 has no table %2; the settings could not be read or saved.")
            .arg(db.path(), kTable);
    for (const QString& column : columns)
        if (!present.contains(column.toLower()))
            return QStringLiteral("The table %1 of the settings database %2 has no column %3.")
                .arg(kTable, db.path(), column);
    return QString();
}

}  // namespace

SettingsLoad LoadPayrollSettings(const QString& databasePath, const QStringList& columns)
{
    SettingsLoad load;
    Database db(databasePath);
    if (!db.isOpen()) {
        load.errorText = db.errorText();
        return load;
    }
    QStringList selected;
    for (const QString& column : columns) {
        if (!isKnownColumn(column)) {
            load.errorText = QStringLiteral("Item not found in this collection: %1").arg(column);
            return load;
        }
        selected << Database::quoted(column);
    }
    if (selected.isEmpty()) {
        load.settings = PayrollSettings{};
        return load;
    }
    load.errorText = checkSetupTable(db, columns);
    if (!load.errorText.isEmpty())
        return load;
    QSqlQuery query(db.connection());
    // The first record, the same one that a save writes.
    const QString sql = QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid LIMIT 1")
                            .arg(selected.join(QStringLiteral(", ")), Database::quoted(kTable));
    if (!query.exec(sql)) {
        load.errorText = query.lastError().text();
        return load;
    }
    if (!query.next()) {
        load.errorText = QStringLiteral("No current record: table '%1' of %2 is empty.").arg(kTable, databasePath);
        return load;
    }
    PayrollSettings settings;
    for (int i = 0; i < columns.size(); ++i) {
        const QVariant value = query.value(i);
        if (columns[i] == QLatin1String("CompCarMPYesNo")) {
            settings.CompCarMPYesNo = value.toBool();
        } else if (double* target = numberColumn(settings, columns[i])) {
            bool ok = false;
            const double number = value.toDouble(&ok);
            if (!value.isNull() && !ok) {
                load.errorText = QStringLiteral("Column %1 of table Setup holds no number.").arg(columns[i]);
                return load;
            }
            *target = value.isNull() ? 0.0 : number;
        }
    }
    load.settings = settings;
    return load;
}

QString SavePayrollSettings(const QString& databasePath, const PayrollSettings& settings, const QStringList& columns)
{
    Database db(databasePath);
    if (!db.isOpen()) {
        if (db.errorText().contains(QLatin1String("locked"), Qt::CaseInsensitive))
            return QStringLiteral("The settings database %1 is in use by another program; the settings were not saved.")
                .arg(databasePath);
        return db.errorText();
    }
    QStringList assignments;
    for (const QString& column : columns) {
        if (!isKnownColumn(column))
            return QStringLiteral("Item not found in this collection: %1").arg(column);
        assignments << Database::quoted(column) + QStringLiteral(" = ?");
    }
    if (assignments.isEmpty())
        return QString();
    PayrollSettings copy = settings;
    for (const QString& column : columns) {
        // SQLite would store a NaN as nothing; never replace a setting by a non-number.
        const double* value = numberColumn(copy, column);
        if (value && !std::isfinite(*value))
            return QStringLiteral("The setting %1 is not a number; the settings were not saved.").arg(column);
    }
    if (const QString missing = checkSetupTable(db, columns); !missing.isEmpty())
        return missing;
    if (!db.beginTransaction()) {
        if (db.errorText().contains(QLatin1String("locked"), Qt::CaseInsensitive))
            return QStringLiteral("The settings database %1 is in use by another program; the settings were not saved.")
                .arg(databasePath);
        return db.errorText();
    }
    QSqlQuery count(db.connection());
    if (!count.exec(QStringLiteral("SELECT count(*) FROM %1").arg(Database::quoted(kTable))) || !count.next()) {
        const QString error = count.lastError().text();
        db.rollback();
        return error;
    }
    if (count.value(0).toLongLong() < 1) {
        db.rollback();
        return QStringLiteral("No current record: table '%1' of %2 is empty.").arg(kTable, databasePath);
    }
    count.finish();
    QSqlQuery update(db.connection());
    // The table holds exactly one record; update the first should another program have
    // added more.
    update.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = (SELECT min(rowid) FROM %1)")
                       .arg(Database::quoted(kTable), assignments.join(QStringLiteral(", "))));
    for (const QString& column : columns) {
        if (column == QLatin1String("CompCarMPYesNo"))
            update.addBindValue(settings.CompCarMPYesNo ? 1 : 0);
        else
            update.addBindValue(*numberColumn(copy, column));
    }
    if (!update.exec()) {
        const QString error = update.lastError().text();
        db.rollback();
        return error;
    }
    if (!db.commit())
        return db.errorText();
    return QString();
}

}  // namespace kestrel
