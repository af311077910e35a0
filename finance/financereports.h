#pragma once
// The printouts of the business calculators: the report files and titles, and the
// routines that write each printout's table of the report-data database. Each routine
// opens the database, writes its table or tables and closes it again; it returns the
// database's error text, or an empty text when everything was written.

#include "finance/dailybalancecalc.h"
#include "finance/inflationcalc.h"
#include "finance/loanbustercalc.h"
#include "finance/loancalc.h"
#include "finance/loancomparisoncalc.h"
#include "finance/loanschedule.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace kestrel {

class PrintChoicePanel;

/// The schedule that a loan printout includes.
enum class LoanPrintSchedule { None, Annual, Monthly };

/// "Lonrepa", "LonPrAm", "LonRPer", "LonInRt", with "A" appended when a schedule is
/// included (one report file serves the annual and the monthly schedule).
QString loanReportStem(LoanMode mode, bool withSchedule);
/// The preview title of a loan printout.
QString loanReportTitle(LoanMode mode, LoanPrintSchedule schedule);

/// The record of table "Loans".
struct LoanPrintout {
    LoanMode mode = LoanMode::MonthlyRepayment;
    double principal = 0;
    double period = 0;
    double rate = 0;
    double repayment = 0;
    bool financeChargesShown = false;  ///< the totals are shown in the window
    LoanPrintSchedule schedule = LoanPrintSchedule::None;
};

/// Writes the one record of "Loans" and, with a schedule, empties "Amort" and adds one
/// row per month or year of `scheduleRows`. YearMon ("Year"/"Month") is written only
/// when a schedule is printed.
QString writeLoanTables(const QString& databasePath, const LoanPrintout& printout,
                        const std::vector<ScheduleRow>& scheduleRows);

inline const QString kLoanBusterReport = QStringLiteral("loanbuster");
inline const QString kLoanBusterTitle = QStringLiteral("Loan Buster");
/// Writes "BondBust" from the entries and the results of the calculation.
QString writeLoanBusterRecord(const QString& databasePath, const LoanBusterInputs& inputs,
                              const LoanBusterResult& result);

inline const QString kLoanComparisonReport = QStringLiteral("LoanComparison");
inline const QString kLoanComparisonTitle = QStringLiteral("Loan Comparison");
/// Writes "BondComp": PAmt, IntRate, then MonRepK, IntPaidK, TotalK for K = 1 to 6.
QString writeLoanComparisonRecord(const QString& databasePath, double amount, float rate,
                                  const std::array<ComparisonRow, 6>& rows);

inline const QString kDailyBalanceReport = QStringLiteral("DayBal");
inline const QString kDailyBalanceTitle = QStringLiteral("Daily Balance Calculation");
/// Writes "DailyBal".
QString writeDailyBalanceRecord(const QString& databasePath, const DailyBalanceInputs& inputs,
                                const DailyBalanceResult& result);

inline const QString kInflationReport = QStringLiteral("Inflatin");
inline const QString kInflationTitle =
    QStringLiteral("Inflation - To export printout click on the suitcase button or goto Help");
/// Writes "Inflation".
QString writeInflationRecord(const QString& databasePath, double presentCost, double period, double rate,
                             const InflationResult& result);

/// Sets the report file of the next run on the main report engine (the windows that fill
/// their table when "&Print" is pressed name their report there and then).
void setReportFile(const QString& stem);

/// The first order of printing, once the window has written its record: a store error is
/// shown and nothing is offered; otherwise the report file is set on the engine and the
/// print-choice panel brought to the front, where the choice only sets the destination.
void offerPrintChoice(const QString& storeError, const QString& stem, PrintChoicePanel* panel);

}  // namespace kestrel
