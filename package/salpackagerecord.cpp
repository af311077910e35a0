#include "package/salpackagerecord.h"

#include "common/numberformat.h"

namespace kestrel {

QString salPackageTitle(PackageDirection direction, PackagePeriod period)
{
    const QString who = direction == PackageDirection::Backward ? QStringLiteral("Kestrel") : QStringLiteral("Osprey");
    const QString when = period == PackagePeriod::Monthly ? QStringLiteral("Monthly") : QStringLiteral("Annual");
    return who + QStringLiteral(" Salary Package Calculation : ") + when;
}

QString salPackageReportStem(PackageDirection direction)
{
    return direction == PackageDirection::Backward ? QStringLiteral("Kestrel") : QStringLiteral("Ospreyrp");
}

QString salPackagePreviewTitle(PackageDirection direction, PackagePeriod period)
{
    const QString who =
        direction == PackageDirection::Backward ? QStringLiteral("Kestrel2019") : QStringLiteral("Osprey2019");
    const QString when = period == PackagePeriod::Monthly ? QStringLiteral(" Monthly") : QStringLiteral(" Annual");
    return who + when + QStringLiteral(" - To export printout click on the suitcase button or goto Help");
}

std::vector<SalPackageField> salPackageFields(PackageDirection direction, const PackageInputs& in,
                                              const SalPackageShown& shown)
{
    const bool monthly = in.period == PackagePeriod::Monthly;
    const bool forward = direction == PackageDirection::Forward;
    std::vector<SalPackageField> f;
    auto set = [&f](const char* name, const QVariant& value) { f.push_back({QString::fromLatin1(name), value}); };

    set("MonAnn", salPackageTitle(direction, in.period));
    set("TPName", in.taxpayerName);
    set("TPAge", double(in.age));
    set("MonAnnSal",
        monthly ? QStringLiteral("Net monthly salary required") : QStringLiteral("Net annual salary required"));
    set("NetMonSal", in.mainAmount);
    // The package amount's copy in the cost-to-company column exists in the forward windows
    // only; the backward windows write 0 so that no earlier print's value lingers.
    set("CostToComp", forward ? in.mainAmount : 0.0);
    set("CompCar", in.carValue);
    set("CompCarCC", in.carCost);
    set("TravAll", in.travelAllowance);
    set("TravAllCC", in.travelAllowance);
    set("MedAidCont", in.employeeMedicalAid);
    set("MedAidContCC", in.employerMedicalAid);
    set("PMems", double(in.beneficiaries));
    set("AddBens", 0.0);
    set("TaxFreeMedPrint", 0.0);
    set("OtherTaxFB", in.otherTaxableBenefits);
    set("OtherTaxFBCC", in.otherTaxableBenefits);
    set("PenDeduct", in.employeeFund);
    set("PenDeductCC", in.employerFund);
    set("ProvDeduct", 0.0);
    set("ProvDeductCC", 0.0);
    set("RADirective",
        monthly ? QStringLiteral("Med. aid fund beneficiaries") : QStringLiteral("Medical beneficiaries months"));
    set("RADeduct", 0.0);
    set("MedDeduct", forward ? 0.0 : in.medicalDeductions);
    set("UIFCont", shown.employeeUIF);
    set("UIFContCC", shown.employerUIF);
    set("SkillLevy", shown.skillsLevy);
    set("TaxDue", shown.taxDue);
    set("TaxCredit", shown.taxCredit);
    set("TaxDeduct", shown.taxDeduction);
    set("PrinMembers", QStringLiteral("(R 720pm each)"));
    set("BenMembers", QStringLiteral("(R 440pm each)"));

    // Other expenses: the heading when their total is above 0, and each row whose own
    // amount is above 0.
    const bool anyExpenses = in.otherExpensesTotal() > 0;
    set("OEXPTXT", anyExpenses ? QStringLiteral("Other Expenses :") : QString());
    auto printed = [&](int i) { return anyExpenses && in.otherExpenses[static_cast<std::size_t>(i)] > 0; };
    static const char* const texts[] = {"ODedTxt0", "ODedTxt1", "ODedTxt2", "ODedTxt3"};
    static const char* const rands[] = {"ODedR0", "ODedR1", "ODedR2", "ODedR3"};
    static const char* const amounts[] = {"ODedNum0", "ODedNum1", "ODedNum2", "ODedNum3"};
    static const char* const companyAmounts[] = {"ODedNumCC0", "ODedNumCC1", "ODedNumCC2", "ODedNumCC3"};
    for (int i = 0; i < 4; ++i)
        set(texts[i], printed(i) ? in.otherDescriptions[static_cast<std::size_t>(i)] : QString());
    for (int i = 0; i < 4; ++i)
        set(rands[i], printed(i) ? QStringLiteral("R") : QString());
    for (int i = 0; i < 4; ++i)
        set(amounts[i], printed(i) ? in.otherExpenses[static_cast<std::size_t>(i)] : 0.0);
    for (int i = 0; i < 4; ++i)
        set(companyAmounts[i], printed(i) ? in.otherExpensesCompany[static_cast<std::size_t>(i)] : 0.0);

    set("GSal", shown.salary);
    set("TotCostComp", shown.totalCostToCompany);
    const bool onceOff = shown.onceOffCarCost > 0;
    set("PlusCompCar1",
        onceOff ? QStringLiteral("(plus a 'once-off' cost of R ") + formatPlain(shown.onceOffCarCost) : QString());
    set("PlusCompCar2",
        onceOff ? QStringLiteral("for the company car and this does not include fuel, maintenance etc).") : QString());
    return f;
}

}  // namespace kestrel
