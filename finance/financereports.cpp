#include "finance/financereports.h"

#include "common/printchoicepanel.h"

#include "common/apppaths.h"
#include "reports/reportengine.h"
#include "reports/reportstore.h"

namespace kestrel {

namespace {

const QString kExportHint = QStringLiteral(" - To export printout click on the suitcase button or goto Help");

// Closes the store and gives its error text (empty when everything was written).
QString closeStore(ReportStore& store)
{
    return store.Close() ? QString() : store.errorText();
}

}  // namespace

QString loanReportStem(LoanMode mode, bool withSchedule)
{
    QString stem;
    switch (mode) {
    case LoanMode::MonthlyRepayment:
        stem = QStringLiteral("Lonrepa");
        break;
    case LoanMode::PrincipalAmount:
        stem = QStringLiteral("LonPrAm");
        break;
    case LoanMode::RepaymentPeriod:
        stem = QStringLiteral("LonRPer");
        break;
    case LoanMode::InterestRate:
        stem = QStringLiteral("LonInRt");
        break;
    }
    return withSchedule ? stem + QLatin1Char('A') : stem;
}

QString loanReportTitle(LoanMode mode, LoanPrintSchedule schedule)
{
    // The loan printouts without a schedule carry a title of the same form, so that the
    // preview never shows the title of an earlier printout of another window.
    switch (mode) {
    case LoanMode::MonthlyRepayment:
        switch (schedule) {
        case LoanPrintSchedule::None:
            return QStringLiteral("Monthly repayment of Loan") + kExportHint;
        case LoanPrintSchedule::Annual:
            return QStringLiteral("Annual repayment of Loan with Amortisation") + kExportHint;
        case LoanPrintSchedule::Monthly:
            return QStringLiteral("Annual repayment of Loan with Monthly Amortisation") + kExportHint;
        }
        break;
    case LoanMode::PrincipalAmount:
    case LoanMode::RepaymentPeriod:
    case LoanMode::InterestRate: {
        QString what = QStringLiteral("Interest rate calculation of Loan");
        if (mode == LoanMode::PrincipalAmount)
            what = QStringLiteral("Principal calculation of Loan");
        else if (mode == LoanMode::RepaymentPeriod)
            what = QStringLiteral("Repayment period calculation of Loan");
        switch (schedule) {
        case LoanPrintSchedule::None:
            return what + kExportHint;
        case LoanPrintSchedule::Annual:
            return what + QStringLiteral(" with Annual Amortisation") + kExportHint;
        case LoanPrintSchedule::Monthly:
            return what + QStringLiteral(" with Monthly Amortisation") + kExportHint;
        }
        break;
    }
    }
    return {};
}

QString writeLoanTables(const QString& databasePath, const LoanPrintout& p, const std::vector<ScheduleRow>& rows)
{
    ReportStore store(databasePath);
    Recordset loans = store.OpenRecordset(QStringLiteral("Loans"));
    loans.Edit();
    loans.setField(QStringLiteral("Heading"), loanModeText(p.mode));
    loans.setField(QStringLiteral("Num1"), p.principal);
    loans.setField(QStringLiteral("Num2"), p.period);
    loans.setField(QStringLiteral("Num3"), p.rate);
    loans.setField(QStringLiteral("Num4"), p.repayment);
    const FinanceCharges charges = financeCharges(p.principal, p.period, p.repayment);
    const bool shown = p.financeChargesShown;
    loans.setField(QStringLiteral("FinText1"), shown ? QStringLiteral("Total Interest") : QString(""));
    loans.setField(QStringLiteral("FinText1A"), shown ? QStringLiteral(": R") : QString(""));
    loans.setField(QStringLiteral("FinNum1"), shown ? charges.totalInterest : 0.0);
    loans.setField(QStringLiteral("FinText2"), shown ? QStringLiteral("Total Repayments") : QString(""));
    loans.setField(QStringLiteral("FinNum2"), shown ? charges.totalRepayments : 0.0);
    if (p.schedule != LoanPrintSchedule::None)
        loans.setField(QStringLiteral("YearMon"),
                       p.schedule == LoanPrintSchedule::Annual ? QStringLiteral("Year") : QStringLiteral("Month"));
    loans.Update();
    loans.Close();

    if (p.schedule != LoanPrintSchedule::None) {
        store.Execute(QStringLiteral("DELETE * FROM Amort "));
        Recordset amort = store.OpenRecordset(QStringLiteral("Amort"));
        for (const ScheduleRow& row : rows) {
            amort.AddNew();
            amort.setField(QStringLiteral("Year"), row.number);
            amort.setField(QStringLiteral("Capital"), row.capital);
            amort.setField(QStringLiteral("Interest"), row.interest);
            amort.setField(QStringLiteral("Required"), row.balance);
            amort.Update();
        }
        amort.Close();
    }
    return closeStore(store);
}

QString writeLoanBusterRecord(const QString& databasePath, const LoanBusterInputs& in, const LoanBusterResult& r)
{
    ReportStore store(databasePath);
    Recordset rs = store.OpenRecordset(QStringLiteral("BondBust"));
    rs.Edit();
    rs.setField(QStringLiteral("PAmt"), in.principal);
    rs.setField(QStringLiteral("Period"), in.period);
    rs.setField(QStringLiteral("IntRate"), in.rate);
    rs.setField(QStringLiteral("MonRep"), r.repayment);
    rs.setField(QStringLiteral("TotIntPaid"), r.totalInterest);
    rs.setField(QStringLiteral("TotRep"), r.totalRepayments);
    rs.setField(QStringLiteral("XtraPay"), in.extra);
    rs.setField(QStringLiteral("Xper"), r.newPeriod);
    rs.setField(QStringLiteral("XMonRep"), r.newRepayment);
    rs.setField(QStringLiteral("XTotIntPaid"), r.newTotalInterest);
    rs.setField(QStringLiteral("XTotRep"), r.newTotalRepayments);
    rs.setField(QStringLiteral("XTotSavings"), r.totalSaving);
    rs.Update();
    rs.Close();
    return closeStore(store);
}

QString writeLoanComparisonRecord(const QString& databasePath, double amount, float rate,
                                  const std::array<ComparisonRow, 6>& rows)
{
    ReportStore store(databasePath);
    Recordset rs = store.OpenRecordset(QStringLiteral("BondComp"));
    rs.Edit();
    rs.setField(QStringLiteral("PAmt"), amount);
    rs.setField(QStringLiteral("IntRate"), rate);
    for (int k = 1; k <= 6; ++k) {
        const ComparisonRow& row = rows[static_cast<std::size_t>(k - 1)];
        rs.setField(QStringLiteral("MonRep%1").arg(k), row.repayment);
        rs.setField(QStringLiteral("IntPaid%1").arg(k), row.totalInterest);
        rs.setField(QStringLiteral("Total%1").arg(k), row.totalPaid);
    }
    rs.Update();
    rs.Close();
    return closeStore(store);
}

QString writeDailyBalanceRecord(const QString& databasePath, const DailyBalanceInputs& in, const DailyBalanceResult& r)
{
    ReportStore store(databasePath);
    Recordset rs = store.OpenRecordset(QStringLiteral("DailyBal"));
    rs.Edit();
    rs.setField(QStringLiteral("CapAmount"), in.capital);
    rs.setField(QStringLiteral("StartDate"), in.startDate);
    rs.setField(QStringLiteral("EndDate"), in.endDate);
    rs.setField(QStringLiteral("IntRate"), in.rate);
    rs.setField(QStringLiteral("ANS1"), r.interest);
    rs.setField(QStringLiteral("ANS2"), r.days);
    rs.Update();
    rs.Close();
    return closeStore(store);
}

QString writeInflationRecord(const QString& databasePath, double presentCost, double period, double rate,
                             const InflationResult& r)
{
    ReportStore store(databasePath);
    Recordset rs = store.OpenRecordset(QStringLiteral("Inflation"));
    rs.Edit();
    rs.setField(QStringLiteral("PresCost"), presentCost);
    rs.setField(QStringLiteral("Period"), period);
    rs.setField(QStringLiteral("InflaRate"), rate);
    rs.setField(QStringLiteral("Ans1"), r.futureValue);
    rs.setField(QStringLiteral("ANS2"), r.buyingPower);
    rs.Update();
    rs.Close();
    return closeStore(store);
}

void setReportFile(const QString& stem)
{
    mainReportEngine().ReportFileName = applicationFile(stem + QStringLiteral(".rpt"));
}

void offerPrintChoice(const QString& storeError, const QString& stem, PrintChoicePanel* panel)
{
    if (!storeError.isEmpty()) {
        showReportError(storeError);
        return;
    }
    setReportFile(stem);
    panel->showInFront();
}

}  // namespace kestrel
