#pragma once
// The loan buster: what a fixed extra monthly payment does to an annuity loan — the
// normal repayment with its totals, the shorter period and the totals with the extra
// payment added to every instalment, and the total saving.

#include <QString>

namespace kestrel {

struct LoanBusterInputs {
    double principal = 0;
    int period = 0;  ///< months
    float rate = 0;  ///< per cent per year, kept in single precision
    double extra = 0;
};

struct LoanBusterResult {
    double repayment = 0;        ///< normal monthly repayment
    double totalInterest = 0;    ///< normal total interest
    double totalRepayments = 0;  ///< normal total repayments
    /// The extra payment as shown after the calculation: the extra actually paid once the
    /// repayment was raised to a whole cent that repays the loan in the new period.
    double extra = 0;
    int newPeriod = 0;
    double newRepayment = 0;
    double newTotalInterest = 0;
    double newTotalRepayments = 0;
    double totalSaving = 0;
    QString message;  ///< non-empty: the extra payment was refused with this text
    QString messageCaption;
};

/// The calculation, with j = rate / 12 / 100 from the single-precision rate:
/// M = j × P / (1 − (1 + j)^−period); totals M × period − P and M × period (0 if negative).
/// With an extra payment of at most ten times M, the period search of the loan calculator
/// runs on M + extra − 0.01; the new period and the whole-cent repayment it finds give
/// the new totals and the saving period × M − new period × new repayment. With no extra
/// payment the second column repeats the normal totals and the saving is 0.
///
/// Where the extra payment cannot be applied the second column holds zeros: while the
/// normal repayment is 0 (a zero input) silently, otherwise with a message (an extra
/// payment of more than ten times the repayment, or one that repays the loan with the
/// first instalment). When no period up to 600 months is found (a period of 600 months
/// with an extra payment below two cents), the loan stays as it is.
LoanBusterResult calculateLoanBuster(const LoanBusterInputs& inputs);

}  // namespace kestrel
