#include "payroll/quicktax.h"

namespace kestrel {

QuickTaxResult calculateQuickTax(double income, short age)
{
    QuickTaxResult r;
    r.income = income;
    r.age = age;
    r.rebate = RebateForAge(age);
    r.lookup = TaxScaleLookup(income);
    const double tax = r.lookup.taxBeforeRebates;
    // A tax above 0 means an income above 0, so the rates never divide by 0.
    r.averageRateBefore = tax > 0 ? tax / income * 100 : r.lookup.marginalRate;
    r.totalTax = tax;
    r.taxCommitment = taxAfterRebate(tax, r.rebate);
    const double after = tax > 0 ? (tax - r.rebate) / income * 100 : 0;
    r.averageRateAfter = after < 0 ? 0 : after;
    r.monthlyTax = r.taxCommitment / 12;
    return r;
}

}  // namespace kestrel
