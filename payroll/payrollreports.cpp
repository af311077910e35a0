#include "payroll/payrollreports.h"

#include "common/numberformat.h"

namespace kestrel {

namespace {

const QString kExportHint = QStringLiteral(" - To export printout click on the suitcase button or goto Help");

// Builds a record field by field; `text` picks the label of the chosen language.
class RecordWriter {
public:
    explicit RecordWriter(PrintLanguage language) : afrikaans_(language == PrintLanguage::Afrikaans) {}

    void text(const char* field, const QString& english, const QString& afrikaans)
    {
        record_.append({QString::fromLatin1(field), afrikaans_ ? afrikaans : english});
    }
    void text(const char* field, const char* english, const char* afrikaans)
    {
        text(field, QString::fromUtf8(english), QString::fromUtf8(afrikaans));
    }
    void value(const char* field, const QVariant& value) { record_.append({QString::fromLatin1(field), value}); }
    void number(const char* field, double value) { this->value(field, value); }
    /// A figure that is written as the integer 0 when it is not above 0.
    void positiveOrZero(const char* field, double value)
    {
        this->value(field, value > 0 ? QVariant(value) : QVariant(0));
    }

    ReportRecord take() { return std::move(record_); }

private:
    bool afrikaans_;
    ReportRecord record_;
};

void writeCommonIncome(RecordWriter& w, const QString& employeeName, short age)
{
    w.text("Employee", QStringLiteral(" For : ") + employeeName, QStringLiteral("Vir : ") + employeeName);
    w.text("Age", "Age : ", "Ouderdom : ");
    w.value("AgeNum", QVariant::fromValue<short>(age));
}

void writeMedicalLabels(RecordWriter& w)
{
    w.text("MedExp", "Medical expenses", "Mediese onkoste");
    w.number("MedExpNum", 0);  // the windows take no medical expenses
    w.text("EmpERMedAidCont", "Employer's med aid contrib.", "Werkgewer se bydrae aan mediesefonds");
    w.text("EmpEEMedAidCont", "Employee's med aid contrib.", "Werknemer se bydrae aan mediesefonds");
}

void writeCredits(RecordWriter& w, double liability, double credit, double additionalCredit)
{
    w.text("Taxliability", "Tax liability", "Belasting verpligting");
    w.number("Taxliabilitynum", liability);
    w.text("TaxCredit", "Tax credits for beneficiaries", "Belastingkrediete vir begunstigdes");
    w.number("Taxcreditnum", credit);
    w.text("TaxCreditCons", "Tax credits for contributions", "Belastingkrediete vir bydraes");
    w.number("TaxcreditnumCons", additionalCredit);
}

}  // namespace

ReportTarget payPeriodReportTarget(PayPeriod period)
{
    switch (period) {
    case PayPeriod::Fortnightly:
        return {QStringLiteral("IRP5Week"), QStringLiteral("FortNightly"), QStringLiteral("FortNightly") + kExportHint};
    case PayPeriod::Weekly:
        return {QStringLiteral("IRP5Week"), QStringLiteral("Weekly"), QStringLiteral("Weekly") + kExportHint};
    case PayPeriod::Daily:
        return {QStringLiteral("IRP5Day"), QStringLiteral("Daily"), QStringLiteral("Daily") + kExportHint};
    case PayPeriod::Monthly:
        break;
    }
    return {QStringLiteral("IRP5Mon"), QStringLiteral("Monthly"), QStringLiteral("Monthly") + kExportHint};
}

ReportTarget annualReportTarget()
{
    return {QStringLiteral("IRP5Ann"), QStringLiteral("Annual"), QStringLiteral("Annual") + kExportHint};
}

ReportTarget quickTaxReportTarget()
{
    return {QStringLiteral("merlin"), QStringLiteral("merlinrp"), QStringLiteral("QuickTax") + kExportHint};
}

double shownMoney(double value)
{
    return leadingNumber(formatMoney(value));
}

ReportRecord payPeriodReportRecord(PrintLanguage language, const QString& employeeName, const PayPeriodInputs& in,
                                   const PayPeriodResult& r)
{
    RecordWriter w(language);
    const PayPeriod period = in.period;
    switch (period) {
    case PayPeriod::Monthly:
        w.text("TypeAM", "Monthly Check", "Maandelikse Inkomste");
        break;
    case PayPeriod::Fortnightly:
        w.text("TypeAM", "Fortnightly Check", "Twee Weeklikse Inkomste");
        break;
    case PayPeriod::Weekly:
        w.text("TypeAM", "Weekly Check", "Weeklikse Inkomste");
        break;
    case PayPeriod::Daily:
        w.text("TypeAM", "Daily Check", "Daaglikse Inkomste");
        break;
    }
    writeCommonIncome(w, employeeName, in.age);
    w.text("Sal", "Remuneration/salary", "Besoldiging");
    w.number("SalNum", in.salary);
    w.text("DirFees", "Commissions", "Kommissie");
    w.number("DirFeesNum", in.commissions);

    const bool weeks = period == PayPeriod::Fortnightly || period == PayPeriod::Weekly;
    w.text("TravAll", "Travel allowance ", weeks ? "Reistoelae ontvang" : "Reistoelae ");
    if (period == PayPeriod::Monthly) {
        w.number("TravOne", in.travelAllowance);
        w.number("TravTwo", r.taxableTravelAllowance);
    } else {
        w.number("RecBefNum", in.travelAllowance);
    }
    w.text("Bonus", "Bonus", "Bonus");
    w.number("BonusNum", in.bonus);
    writeMedicalLabels(w);
    w.text("PenCont", "Employer's R/Fund contributions ", "Toelaatbare pension bydrae");
    w.number("PenContNum", in.employerFund);
    w.text("RACont", "Employee's R/Fund contributions", "Toelaatbare U/T bydrae");
    w.number("RAContNum", in.employeeFund);

    switch (period) {
    case PayPeriod::Monthly:
        w.text("SDate", "Start date", "Begin datum");
        w.value("SDateNum", formatDate(in.startDate));
        w.text("EDate", "End date", "Eind datum");
        w.value("EDateNum", formatDate(in.endDate));
        break;
    case PayPeriod::Fortnightly:
        w.text("SDate", "Normal fortnight", "Normale twee weke");
        w.value("SDateNum", QString::number(in.normalDays));
        w.text("EDate", "This fortnight", "Hierdie twee weke");
        w.value("EDateNum", QString::number(in.thisDays));
        break;
    case PayPeriod::Weekly:
        w.text("SDate", "Normal work week", "Normale werk week");
        w.value("SDateNum", QString::number(in.normalDays));
        w.text("EDate", "This work week", "Hierdie werk week");
        w.value("EDateNum", QString::number(in.thisDays));
        break;
    case PayPeriod::Daily:
        break;  // a day has no extent to print
    }

    w.text("UIFEMPE", "U.I.F. contribution employee", "U.I.F. bydrae werknemer");
    w.number("UIFEMPENum", shownMoney(r.employeeUIF));
    w.text("UIFEMPR", "U.I.F. contribution employer", "U.I.F. bydrae werkgewer");
    w.number("UIFEMPRNum", shownMoney(r.employerUIF));
    w.text("SDL", "S.D.L.", "S.D.L.");
    w.number("SDLNum", shownMoney(r.skillsLevy));
    w.text("EOE", "(E.& O.E.)", "(B.& F.W.)");
    writeCredits(w, r.periodTax, r.medicalSchemeFeesCredit, r.additionalMedicalCredit);
    w.number("EmpERMedAidContnum", in.employerMedicalAid);
    w.number("EmpEEMedAidContnum", in.employeeMedicalAid);
    w.text("AnnCalcBens3", "Medical aid fund beneficiaries", "Getal mediesefondslede en afhanklikes");
    w.value("AnnCalcBens3num", QVariant::fromValue<short>(in.beneficiaries));
    w.text("MedAidBens", "Med Aid contribution deduction", "Mediesfondsbydrae afrekking");
    w.text("TOTAL", "Total tax deduction", "Totaal belasting");
    w.positiveOrZero("TotalNum", r.periodTax - (r.medicalSchemeFeesCredit + r.additionalMedicalCredit));
    return w.take();
}

ReportRecord annualReportRecord(PrintLanguage language, const QString& employeeName, const AnnualCheckInputs& in,
                                const AnnualCheckResult& r)
{
    RecordWriter w(language);
    w.text("TypeAM", "Annual Check", "Jaarlikse Inkomste");
    writeCommonIncome(w, employeeName, in.age);
    w.text("Sal", "Remuneration/salary", "Besoldiging");
    w.number("SalNum", in.salary);
    w.text("DirFees", "Commissions", "Kommissie");
    w.number("DirFeesNum", in.commissions);
    w.text("Bonus", "Bonus", "Bonus");
    w.number("BonusNum", in.bonus);
    w.text("TravAll", "Travel allowance received", "Reistoelae ontvang");
    w.number("RecBefNum", in.travelAllowance);
    writeMedicalLabels(w);
    w.text("PenCont", "Employer's R/Fund contributions ", "Toelaatbare pension bydrae");
    w.number("PenContNum", in.employerFund);
    w.text("RACont", "Employee's R/Fund contributions", "Toelaatbare U/T bydrae");
    w.number("RAContNum", in.employeeFund);
    w.text("SDate", "Start date", "Begin datum");
    w.value("SDateNum", formatDate(in.startDate));
    w.text("EDate", "End date", "Eind datum");
    w.value("EDateNum", formatDate(in.endDate));
    w.text("SITE", "SITE", "SIBW");
    w.number("SITENum", r.site);
    w.text("PAYE", "PAYE", "LBS");
    w.positiveOrZero("PAYENum", r.payePortion - (r.medicalSchemeFeesCredit + r.additionalMedicalCredit));
    writeCredits(w, r.taxLiability, r.medicalSchemeFeesCredit, r.additionalMedicalCredit);
    w.text("NumOFBens", "Number of Medical Aid Beneficiaries", "Getal mediesefondslede en afhanklikes");
    w.number("EmpERMedAidContnum", in.employerMedicalAid);
    w.number("EmpEEMedAidContnum", in.employeeMedicalAid);

    // AnnCalcBens1 is January ... AnnCalcBens12 December, written March first.
    static const char* const english[] = {"Mar", "Apr ", "May", "Jun", "Jul", "Aug",
                                          "Sep", "Oct",  "Nov", "Dec", "Jan", "Feb"};
    static const char* const afrikaans[] = {"Mar", "Apr ", "Mei", "Jun", "Jul", "Aug",
                                            "Sep", "Okt",  "Nov", "Dec", "Jan", "Feb"};
    for (int index = 0; index < kTaxYearMonths; ++index) {
        const int month = (index + 2) % 12 + 1;
        const QByteArray label = "AnnCalcBens" + QByteArray::number(month);
        w.text(label.constData(), english[index], afrikaans[index]);
        w.value((label + "num").constData(),
                QVariant::fromValue<short>(r.beneficiaries[static_cast<std::size_t>(index)]));
    }
    w.text("MedAidBens", "Med Aid contribution deduction", "Mediesfondsbydrae afrekking");
    w.value("MedAidBensnum", QVariant(0));  // the annual check computes no such deduction
    w.text("TOTAL", "Total tax deduction", "Totaal");
    w.positiveOrZero("TotalNum", r.taxLiability - (r.medicalSchemeFeesCredit + r.additionalMedicalCredit));
    w.text("EOE", "(E.& O.E.)", "(B.& F.W.)");
    return w.take();
}

ReportRecord quickTaxReportRecord(const QuickTaxResult& r)
{
    return {
        {QStringLiteral("AGE"), QVariant::fromValue<short>(r.age)},
        {QStringLiteral("TAXINCOME"), r.income},
        {QStringLiteral("TAXTOPAY"), r.lookup.baseTax},
        {QStringLiteral("MARGRATE"), r.lookup.marginalRate},
        {QStringLiteral("PORTION"), r.lookup.taxOnExcess},
        {QStringLiteral("TOTTAX"), r.totalTax},
        {QStringLiteral("REBATE"), r.rebate},
        {QStringLiteral("TAXCOM4"), r.taxCommitment},
        {QStringLiteral("AVRATE"), r.averageRateBefore},
        {QStringLiteral("AVRATEAFT"), r.averageRateAfter},
        {QStringLiteral("TAXCOM4/2"), r.monthlyTax},
    };
}

QVariant reportFieldValue(const ReportRecord& record, const QString& name)
{
    for (const ReportField& field : record)
        if (field.name.compare(name, Qt::CaseInsensitive) == 0)
            return field.value;
    return QVariant();
}

}  // namespace kestrel
