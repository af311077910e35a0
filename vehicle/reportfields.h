#pragma once
// The values of one record of a report table, by field name, in the order written.

#include <QString>
#include <QVariant>

#include <vector>

namespace kestrel {

struct ReportField {
    QString name;
    QVariant value;
};
using ReportFields = std::vector<ReportField>;

/// The value of a field by name (case-insensitive, as the database matches names); an
/// invalid QVariant when the list lacks it.
inline QVariant reportValue(const ReportFields& fields, const QString& name)
{
    for (const ReportField& field : fields)
        if (field.name.compare(name, Qt::CaseInsensitive) == 0)
            return field.value;
    return {};
}

}  // namespace kestrel
