#pragma once
// The report store: how a printout writes its values into its table of the report-data
// database Zidazura.mdb. The calls follow the sequence every printout uses: open the
// database, open the table as a recordset, Edit the one record (single-record tables) or
// Execute "DELETE * FROM <table>" and AddNew each row (multi-row tables), set fields by
// name, Update, close. Everything between opening and Close() is one transaction: when a
// step fails, the first error is kept, later steps do nothing, and Close() rolls back, so
// the table is left as it was.
//
//     ReportStore store(session().ReportDbPath);
//     Recordset rs = store.OpenRecordset(QStringLiteral("Inflation"));
//     rs.Edit();
//     rs.setField(QStringLiteral("PresCost"), presentCost);
//     rs.Update();
//     rs.Close();
//     if (!store.Close()) {
//         showReportError(store.errorText());
//         return;
//     }
//
// Values are converted to the declared type of the field (see the header of
// reports/zidazura-schema.sql): DOUBLE keeps the double, SINGLE rounds to the nearest
// float, SMALLINT and INTEGER round half to even and must fit 16 or 32 bits, TEXT keeps
// text (a number written to a text field is written in its plain form). A value out of
// range, a number that is not finite, a text that is no number for a number field, or a
// field name the table lacks is an error, never silently changed or dropped.

#include <QString>
#include <QVariant>

#include <memory>

namespace kestrel {

class ReportStore;

/// A table-type recordset of one report table. A handle: copies address the same
/// recordset, and it must not outlive its ReportStore.
class Recordset {
public:
    /// Puts the table's one existing record in edit mode (single-record tables). An empty
    /// table is an error ("No current record").
    void Edit();
    /// Starts a new row (multi-row tables).
    void AddNew();
    /// Sets a field of the record being edited or added. The value's type is converted to
    /// the field's type (double, single, 16- or 32-bit integer, text). A field name that the
    /// table lacks is an error. Field names are matched without regard to case.
    void setField(const QString& name, const QVariant& value);
    /// Stores the record being edited or added.
    void Update();
    /// Closes the recordset; an edit or new row not yet stored by Update() is dropped.
    void Close();

private:
    friend class ReportStore;
    Recordset(ReportStore* store, int id);
    ReportStore* store_ = nullptr;
    int id_ = -1;
};

class ReportStore {
public:
    /// Opens the database at `databasePath` (normally session().ReportDbPath) and takes its
    /// write lock. A missing, unreadable, read-only or locked database is kept as the error.
    explicit ReportStore(const QString& databasePath);
    ~ReportStore();  ///< rolls back what was not closed
    ReportStore(const ReportStore&) = delete;
    ReportStore& operator=(const ReportStore&) = delete;

    /// The delete statement of a multi-row table: "DELETE * FROM Amort " and
    /// "DELETE *FROM compcar" are the forms the printouts send (DELETE, an optional "*",
    /// FROM and the name of an existing table, blanks as they come). Nothing else is
    /// executed: any other statement is an error.
    void Execute(const QString& statement);

    /// Opens a report table by name. Only names of tables that exist in the database are
    /// accepted (matched without regard to case).
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
