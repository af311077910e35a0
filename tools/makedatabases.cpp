// kestrel-makedb: makes the databases that the program is delivered with.
//
//   kestrel-makedb settings OUT      Settings.mdb: table Setup with its one record of defaults
//   kestrel-makedb schema SQL OUT    Zidazura.mdb (or a test database) from an SQL schema
//
// The file is written in full or not at all; the exit code is 0 on success, 1 with the
// reason on standard error otherwise.
#include "common/numberformat.h"
#include "payroll/payrollsettings.h"
#include "reports/reportschema.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <cstdio>

namespace {

// The Setup table with the delivered defaults: the values of PayrollSettings{}.
QString settingsSchema()
{
    const kestrel::PayrollSettings defaults;
    const QList<double> numbers{defaults.EmployeeUIF,      defaults.EmployerUIF,   defaults.UIFLimit,
                                defaults.SkillLevy,        defaults.TAIncRate8020, defaults.PensionCont,
                                defaults.EmployerPenCont,  defaults.ProvCont,      defaults.EmployerProvCont,
                                defaults.CompCarFBRate8020};
    const QStringList columns = kestrel::payrollSettingsColumns();
    QStringList definitions;
    QStringList values;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const bool yesNo = columns[i] == QLatin1String("CompCarMPYesNo");
        // NOT NULL: a value that is no number can never be stored in place of a setting.
        definitions << QStringLiteral("  \"%1\" %2 NOT NULL DEFAULT 0")
                           .arg(columns[i], yesNo ? QStringLiteral("BOOLEAN") : QStringLiteral("DOUBLE"));
        values << (yesNo ? QString::number(defaults.CompCarMPYesNo ? 1 : 0) : kestrel::formatPlain(numbers[i]));
    }
    return QStringLiteral("CREATE TABLE \"Setup\" (\n%1\n);\nINSERT INTO \"Setup\" VALUES (%2);\n")
        .arg(definitions.join(QStringLiteral(",\n")), values.join(QStringLiteral(", ")));
}

int fail(const QString& message)
{
    std::fprintf(stderr, "kestrel-makedb: %s\n", qPrintable(message));
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() == 2 && args[0] == QLatin1String("settings")) {
        kestrel::SchemaOptions options;
        options.requireReportFieldTypes = false;
        const QString error = kestrel::createDatabaseFromSchema(args[1], settingsSchema(), options);
        return error.isEmpty() ? 0 : fail(QStringLiteral("%1: %2").arg(args[1], error));
    }
    if (args.size() == 3 && args[0] == QLatin1String("schema")) {
        QFile schema(args[1]);
        if (!schema.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("cannot read %1: %2").arg(args[1], schema.errorString()));
        const QString error = kestrel::createDatabaseFromSchema(args[2], QString::fromUtf8(schema.readAll()));
        return error.isEmpty() ? 0 : fail(QStringLiteral("%1, %2").arg(args[1], error));
    }
    return fail(QStringLiteral("usage: kestrel-makedb settings OUT | kestrel-makedb schema SQL OUT"));
}
