#pragma once
// The loan calculator: an ordinary annuity loan repaid in equal monthly instalments with
// interest compounded monthly. Of principal, period (months), nominal annual rate (per
// cent) and monthly repayment, one is computed from the other three.

#include <QString>
#include <QStringList>

#include <optional>

namespace kestrel {

/// The quantity that the loan calculator computes.
enum class LoanMode { MonthlyRepayment, PrincipalAmount, RepaymentPeriod, InterestRate };

/// "Monthly repayment", "Principal amount", "Repayment period", "Interest rate".
QString loanModeText(LoanMode mode);
std::optional<LoanMode> loanModeFromText(const QString& text);
/// The four mode texts in the order of the option buttons.
QStringList loanModeTexts();

/// The longest loan the calculators handle, in months.
inline constexpr int kMaximumLoanMonths = 600;

/// The monthly rate j = rate / 12 / 100 of a nominal annual rate in per cent.
double monthlyRate(double ratePercent);

/// The instalment that repays `principal` in `months` instalments:
/// j × principal / (1 − (1 + j)^−months). 0 when the principal, the period or the rate is 0.
double annuityRepayment(double principal, double months, double ratePercent);

/// The principal that `months` instalments of `repayment` repay: (1 − (1 + j)^−months) ×
/// repayment / j. 0 when the period, the rate or the repayment is 0.
double annuityPrincipal(double repayment, double months, double ratePercent);

/// The same with the monthly rate j given directly (j must not be 0).
double presentValueOfInstalments(double repayment, int months, double j);

enum class PeriodSearchOutcome {
    Found,               ///< period and (raised) repayment found
    ZeroInput,           ///< principal, rate or repayment 0: period 0
    BeyondMaximum,       ///< the repayment does not repay the loan within 600 months
    RepaidInFirstMonth,  ///< one instalment already more than repays the loan
};

struct PeriodSearchResult {
    PeriodSearchOutcome outcome = PeriodSearchOutcome::ZeroInput;
    int period = 0;
    double repayment = 0;  ///< the repayment after the whole-cent raise (as given otherwise)
};

/// The period search: the first month count n at which `repayment` repays more than the
/// principal; the period is n − 1 and the repayment is then raised a cent at a time until
/// it repays the principal in that period. A period found exactly is taken as it is.
/// Stops with BeyondMaximum once n passes 600, and with RepaidInFirstMonth when a single
/// instalment already over-repays (there is no shorter period to raise the repayment for).
PeriodSearchResult searchRepaymentPeriod(double principal, double j, double repayment);

/// The rate search: the largest rate on the 0.01 grid whose repayment does not exceed
/// `repayment`, found in steps of 5, 1, 0.1 and 0.01 per cent added in floating point.
/// 0 when the principal, period or repayment is 0 or the repayment cannot cover the
/// principal at any positive rate.
double searchInterestRate(double principal, double period, double repayment);

struct LoanInputs {
    LoanMode mode = LoanMode::MonthlyRepayment;
    double principal = 0;
    double period = 0;  ///< whole months
    double rate = 0;    ///< per cent per year
    double repayment = 0;
};

struct LoanResult {
    double principal = 0;
    double period = 0;
    double rate = 0;
    double repayment = 0;
    bool rateError = false;  ///< the rate found exceeds 50 % (the "   Error" marker)
    QString message;         ///< non-empty: the calculation was refused with this text
    QString messageCaption;
};

/// The loan calculation by mode. The computed quantity is written into its entry field,
/// which keeps the value it shows: amounts at two decimals, the rate at three, the period
/// whole. The result therefore holds those shown values, and the finance charges and the
/// printout are worked from them.
LoanResult calculateLoan(const LoanInputs& inputs);

/// The text of a refused period search.
QString repaidInFirstMonthMessage();

struct FinanceCharges {
    double totalInterest = 0;    ///< repayment × period − principal
    double totalRepayments = 0;  ///< repayment × period
};
FinanceCharges financeCharges(double principal, double period, double repayment);

/// The value an entry field keeps after showing `value` with `decimals` decimals.
double shownValue(double value, int decimals);

}  // namespace kestrel
