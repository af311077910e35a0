#include "payroll/settingsstore.h"

#include "common/database.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

namespace kestrel {

namespace {

const QString kTable = QStringLiteral("Setup");

// The settings' fields by column name.
double* numberColumn(PayrollSettings& s, const QString& column)
{
    if (column == QLatin1String("EmployeeUIF")) return &s.EmployeeUIF;
    if (column == QLatin1String("EmployerUIF")) return &s.EmployerUIF;
    if (column == QLatin1String("UIFLimit")) return &s.UIFLimit;
    if (column == QLatin1String("SkillLevy")) return &s.SkillLevy;
    if (column == QLatin1String("TAIncRate8020")) return &s.TAIncRate8020;
    if (column == QLatin1String("PensionCont")) return &s.PensionCont;
    if (column == QLatin1String("EmployerPenCont")) return &s.EmployerPenCont;
    if (column == QLatin1String("ProvCont")) return &s.ProvCont;
    if (column == QLatin1String("EmployerProvCont")) return &s.EmployerProvCont;
    if (column == QLatin1String("CompCarFBRate8020")) return &s.CompCarFBRate8020;
    return nullptr;
}

bool isKnownColumn(const QString& column)
{
    return payrollSettingsColumns().contains(column);
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
    QSqlQuery query(db.connection());
    const QString sql = QStringLiteral("SELECT %1 FROM %2 LIMIT 1").arg(selected.join(QStringLiteral(", ")), Database::quoted(kTable));
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
    if (!db.isOpen())
        return db.errorText();
    QStringList assignments;
    for (const QString& column : columns) {
        if (!isKnownColumn(column))
            return QStringLiteral("Item not found in this collection: %1").arg(column);
        assignments << Database::quoted(column) + QStringLiteral(" = ?");
    }
    if (assignments.isEmpty())
        return QString();
    if (!db.beginTransaction())
        return db.errorText();
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
    PayrollSettings copy = settings;
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
