#pragma once
// The payroll settings: the one record of table Setup in Settings.mdb. Every salary
// calculation takes a copy, made when its window opens and changed by its "Setup" panel.

#include <QStringList>

namespace kestrel {

struct PayrollSettings {
    double EmployeeUIF = 1;          ///< per cent
    double EmployerUIF = 1;          ///< per cent
    double UIFLimit = 14872;         ///< rand per month (the 2018/19 ceiling of R 178 464 a year)
    double SkillLevy = 1;            ///< per cent
    double TAIncRate8020 = 0.8;      ///< taxable share of a travel allowance: 0.8 or 0.2
    double PensionCont = 0;          ///< employee's retirement-fund contribution, per cent
    double EmployerPenCont = 0;      ///< employer's retirement-fund contribution, per cent
    double ProvCont = 0;             ///< employee's provident-fund contribution, per cent
    double EmployerProvCont = 0;     ///< employer's provident-fund contribution, per cent
    double CompCarFBRate8020 = 0.8;  ///< taxed share of the company-car fringe benefit: 0.8 or 0.2
    bool CompCarMPYesNo = false;     ///< the company car has a maintenance plan
};

/// The eleven column names of table Setup, in the order of the record.
QStringList payrollSettingsColumns();

/// The five columns that the pay-period windows and the annual tax check read and save.
QStringList payPeriodSettingsColumns();

}  // namespace kestrel
