#pragma once
// The calculators of kestrel-calc: each one reads a CalcInput, runs the same calculation
// as its window and returns the result keys. A calculation that its window refuses with a
// message returns errorResult(message); one that the window refuses silently returns its
// result keys with "refused": true.

#include "cli/calcinput.h"
#include "payroll/payrollsettings.h"

#include <QJsonObject>
#include <QString>

#include <functional>
#include <vector>

namespace kestrel::cli {

/// What every record of one run shares.
struct RunContext {
    PayrollSettings settings;  ///< the defaults, or those read with --settings PATH
};

struct Calculator {
    QString name;     ///< as typed on the command line: "pay-period", "loan", ...
    QString summary;  ///< one line for --help
    QString help;     ///< the input and result keys, for CALCULATOR --help
    std::function<QJsonObject(CalcInput&, const RunContext&)> run;
};

class CalculatorRegistry {
public:
    void add(Calculator calculator) { calculators_.push_back(std::move(calculator)); }
    const Calculator* find(const QString& name) const;
    const std::vector<Calculator>& all() const { return calculators_; }

private:
    std::vector<Calculator> calculators_;
};

/// {"error": message}: the window's own message for a refused calculation.
QJsonObject errorResult(const QString& message);

/// The payroll settings of a record: the run's settings with the columns of the record's
/// "settings" object (if any) put over them.
PayrollSettings readSettings(CalcInput& input, const RunContext& context);

/// A list of numbers as a JSON array.
QJsonArray toJsonArray(const std::vector<double>& values);

// Each folder's calculators.
void registerPayrollCalculators(CalculatorRegistry& registry);
void registerPackageCalculators(CalculatorRegistry& registry);
void registerVehicleCalculators(CalculatorRegistry& registry);
void registerFinanceCalculators(CalculatorRegistry& registry);

/// All calculators, in the order of the contract.
const CalculatorRegistry& calculators();

}  // namespace kestrel::cli
