#pragma once
// The report store: how a printout writes its values into its table of the report-data
// database Zidazura.mdb. The calls follow the sequence every printout uses: open the
// database, open the table as a recordset, Edit the one record (single-record tables) or
// Execute "DELETE * FROM <table>" and AddNew each row (multi-row tables), set fields by
// name, Update, close. Everything between opening and Close() is one transaction: when a
// step fails, the first error is kept, later steps do nothing, and Close() rolls back, so
// the table is left as it was.

#include <QString>
#include <QVariant>

#include <memory>

namespace kestrel {

class ReportStore;

/// A table-type recordset of one report table.
class Recordset {
public:
    /// Puts the table's one existing record in edit mode (single-record tables).
    void Edit();
    /// Starts a new row (multi-row tables).
    void AddNew();
    /// Sets a field of the record being edited or added. The value's type is converted to
    /// the field's type (double, single, 16- or 32-bit integer, text). A field name that the
    /// table lacks is an error.
    void setField(const QString& name, const QVariant& value);
    /// Stores the record being edited or added.
    void Update();
    void Close();

private:
    friend class ReportStore;
    Recordset(ReportStore* store, const QString& table);
    ReportStore* store_ = nullptr;
    QString table_;
};

class ReportStore {
public:
    /// Opens the database at `databasePath` (normally session().ReportDbPath).
    explicit ReportStore(const QString& databasePath);
    ~ReportStore();  ///< rolls back what was not closed
    ReportStore(const ReportStore&) = delete;
    ReportStore& operator=(const ReportStore&) = delete;

    /// The delete statement of a multi-row table: "DELETE * FROM Amort " and
    /// "DELETE *FROM compcar" are the forms the printouts send. Nothing else is executed.
    void Execute(const QString& statement);

    /// Opens a report table by name. Only the program's own table names are accepted.
    Recordset OpenRecordset(const QString& table);

    /// Commits and closes. Returns false when any step failed; nothing was changed then.
    bool Close();

    bool ok() const;
    /// The text of the first error, as the database engine reported it.
    QString errorText() const;

    struct Impl;

private:
    friend class Recordset;
    std::unique_ptr<Impl> d;
};

/// Shows a database or report-engine error in a message box (caption "KS2019", error
/// icon). The program and the window carry on.
void showReportError(const QString& errorText);

}  // namespace kestrel
